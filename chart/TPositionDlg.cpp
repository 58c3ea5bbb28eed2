#include "chart/TPositionDlg.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QShowEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

constexpr int MaxLatitudeDegrees = 85;
constexpr int MaxLongitudeDegrees = 179;
constexpr int LastMinute = 59;
constexpr int LastThousandth = 999;
constexpr int FieldCount = 8;
const QColor Teal(0, 128, 128);

enum Step : int32_t { Idle = 0, Edited = 1, ClickPending = 2, ClickMade = 3 };

// Degrees, minutes and thousandths of a minute of an angle's size; rounded to the nearest
// thousandth, so that a typed position shows again as typed.
struct AngleParts {
    int degrees;
    int minutes;
    int thousandths;
};

AngleParts SplitAngle(double degrees)
{
    const auto thousandths = int64_t(std::llround(std::fabs(degrees) * 60000.0));
    return {int(thousandths / 60000), int(thousandths % 60000 / 1000), int(thousandths % 1000)};
}

// Degrees + minutes / 60 + the thousandths field as a decimal fraction of a minute: its digits
// over 10 to the number of digits ("5" and "500" half a minute, "05" a twentieth).
double JoinAngle(const QLineEdit* degrees, const QLineEdit* minutes, const QLineEdit* fraction)
{
    const QString digits = fraction->text();
    return degrees->text().toInt() + minutes->text().toInt() / 60.0 +
           digits.toInt() / (std::pow(10.0, double(digits.size())) * 60.0);
}

QComboBox* Hemisphere(QWidget* parent, const char* name, const char* positive, const char* negative)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems({positive, negative});
    return box;
}

// Typing that would leave digits only, or the field's range, is refused: the field keeps what it
// had.
class FieldValidator : public QValidator {
public:
    FieldValidator(QObject* parent, int maximum) : QValidator(parent), maximum_(maximum) {}

    State validate(QString& text, int&) const override
    {
        for (const QChar c : text)
            if (!c.isDigit())
                return Invalid;
        return text.isEmpty() || text.toInt() <= maximum_ ? Acceptable : Invalid;
    }

private:
    int maximum_;
};

QLineEdit* Field(QWidget* parent, const char* name, int digits, int maximum)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(digits);
    edit->setValidator(new FieldValidator(edit, maximum));
    edit->setFixedWidth(12 * digits + 8);
    return edit;
}

PositionUpDown* UpDown(QWidget* parent, const char* name, int maximum)
{
    auto* upDown = new PositionUpDown(parent, maximum);
    upDown->setObjectName(name);
    return upDown;
}

QAction* Caption(QObject* parent, const char* name, const char* text)
{
    auto* action = new QAction(QString::fromLatin1(text), parent);
    action->setObjectName(name);
    return action;
}

// A carry between a field and the one above it: -1 wraps to the last value and takes one from
// the higher field, last + 1 wraps to 0 and adds one to it.
int Carry(int coming, int last, QSpinBox* higher)
{
    if (coming < 0) {
        higher->setValue(higher->value() - 1);
        return last;
    }
    if (coming > last) {
        higher->setValue(higher->value() + 1);
        return 0;
    }
    return coming;
}

}  // namespace

PositionUpDown::PositionUpDown(QWidget* parent, int maximum) : QSpinBox(parent)
{
    setRange(0, maximum);
    lineEdit()->setReadOnly(true);
    setFixedWidth(18);
}

void PositionUpDown::showInField()
{
    if (field)
        field->setText(QString::asprintf(format, value()));
}

void PositionUpDown::stepBy(int steps)
{
    int coming = value() + steps;
    if (changingEx)
        coming = changingEx(coming);
    setValue(coming);
    showInField();
}

TPositionDlg::TPositionDlg(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint),
      edLatDeg(Field(this, "edLatDeg", 2, MaxLatitudeDegrees)),
      udLatDeg(UpDown(this, "udLatDeg", MaxLatitudeDegrees)),
      edLatMin(Field(this, "edLatMin", 2, LastMinute)),
      udLatMin(UpDown(this, "udLatMin", LastMinute)),
      edLatDes(Field(this, "edLatDes", 3, LastThousandth)),
      udLatDes(UpDown(this, "udLatDes", LastThousandth)),
      edNS(Hemisphere(this, "edNS", "N", "S")),
      edLonDeg(Field(this, "edLonDeg", 3, MaxLongitudeDegrees)),
      udLonDeg(UpDown(this, "udLonDeg", MaxLongitudeDegrees)),
      edLonMin(Field(this, "edLonMin", 2, LastMinute)),
      udLonMin(UpDown(this, "udLonMin", LastMinute)),
      edLonDes(Field(this, "edLonDes", 3, LastThousandth)),
      udLonDes(UpDown(this, "udLonDes", LastThousandth)),
      edEW(Hemisphere(this, "edEW", "E", "W")),
      OKBtn(new QPushButton(this)),
      CentreAction(Caption(this, "CentreAction", "Chart centre")),
      ClickAction(Caption(this, "ClickAction", "Save")),
      FinishAction(Caption(this, "FinishAction", "Hide"))
{
    setObjectName("PositionDlg");
    setWindowTitle(QStringLiteral("Enter position"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Teal);
    setPalette(colours);
    setAutoFillBackground(true);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    int column = 0;
    for (QWidget* control : {static_cast<QWidget*>(edLatDeg), static_cast<QWidget*>(udLatDeg),
                             static_cast<QWidget*>(edLatMin), static_cast<QWidget*>(udLatMin),
                             static_cast<QWidget*>(edLatDes), static_cast<QWidget*>(udLatDes),
                             static_cast<QWidget*>(edNS)})
        grid->addWidget(control, 0, column++);
    column = 0;
    for (QWidget* control : {static_cast<QWidget*>(edLonDeg), static_cast<QWidget*>(udLonDeg),
                             static_cast<QWidget*>(edLonMin), static_cast<QWidget*>(udLonMin),
                             static_cast<QWidget*>(edLonDes), static_cast<QWidget*>(udLonDes),
                             static_cast<QWidget*>(edEW)})
        grid->addWidget(control, 1, column++);
    grid->addWidget(OKBtn, 2, 0, 1, column);

    wireField(edLatDeg, udLatDeg, "%02d");
    wireField(edLatMin, udLatMin, "%02d");
    wireField(edLatDes, udLatDes, "%03d");
    wireField(edLonDeg, udLonDeg, "%02d");
    wireField(edLonMin, udLonMin, "%02d");
    wireField(edLonDes, udLonDes, "%03d");
    udLatDeg->changingEx = [this](int coming) { return udLatDegChangingEx(coming); };
    udLatMin->changingEx = [this](int coming) { return udLatMinChangingEx(coming); };
    udLatDes->changingEx = [this](int coming) { return udLatDesChangingEx(coming); };
    udLonDeg->changingEx = [this](int coming) { return udLonDegChangingEx(coming); };
    udLonMin->changingEx = [this](int coming) { return udLonMinChangingEx(coming); };
    udLonDes->changingEx = [this](int coming) { return udLonDesChangingEx(coming); };
    for (QComboBox* hemisphere : {edNS, edEW})
        connect(hemisphere, &QComboBox::currentIndexChanged, this, [this] { edLatDegChange(); });
    connect(OKBtn, &QPushButton::clicked, this, &TPositionDlg::OKBtnClick);
    installEventFilter(this);
    for (int number = 1; number <= FieldCount; ++number)
        field(number)->installEventFilter(this);
    OKBtn->installEventFilter(this);
}

// The field shows its up-down's position in its format; the up-down goes on from what is typed.
// Every change of the text is an edit.
void TPositionDlg::wireField(QLineEdit* edit, PositionUpDown* upDown, const char* format)
{
    upDown->field = edit;
    upDown->format = format;
    connect(upDown, &QSpinBox::valueChanged, upDown, &PositionUpDown::showInField);
    connect(edit, &QLineEdit::textEdited, edit, [edit, upDown] {
        const QSignalBlocker quiet(upDown);
        upDown->setValue(edit->text().toInt());
    });
    connect(edit, &QLineEdit::textChanged, this, [this] { edLatDegChange(); });
}

void TPositionDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPositionDlg::FormShow()
{
    TypedPosition = PositionDialogHook.chartCentre ? PositionDialogHook.chartCentre() : cmgbase::GeoPoint{};
    const double latitude = cmgbase::nrm2deg(TypedPosition.y);
    const double longitude = cmgbase::nrm2deg(TypedPosition.x);
    edNS->setCurrentIndex(latitude < 0.0 ? 1 : 0);
    edEW->setCurrentIndex(longitude < 0.0 ? 1 : 0);
    const AngleParts lat = SplitAngle(latitude);
    const AngleParts lon = SplitAngle(longitude);
    const std::pair<PositionUpDown*, int> positions[] = {
        {udLatDeg, lat.degrees}, {udLatMin, lat.minutes}, {udLatDes, lat.thousandths},
        {udLonDeg, lon.degrees}, {udLonMin, lon.minutes}, {udLonDes, lon.thousandths}};
    for (const auto& [upDown, value] : positions) {
        upDown->setValue(value);
        upDown->showInField();  // also when the position was already the same
    }
    positionStep_ = Idle;
    OKBtn->setText({});
}

void TPositionDlg::edLatDegChange()
{
    if (positionStep_ == Edited)
        return;
    positionStep_ = Edited;
    OKBtn->setText(CentreAction->text());
}

int TPositionDlg::udLatDegChangingEx(int coming) { return std::max(coming, 0); }
int TPositionDlg::udLatMinChangingEx(int coming) { return Carry(coming, LastMinute, udLatDeg); }
int TPositionDlg::udLatDesChangingEx(int coming) { return Carry(coming, LastThousandth, udLatMin); }
int TPositionDlg::udLonDegChangingEx(int coming) { return std::max(coming, 0); }
int TPositionDlg::udLonMinChangingEx(int coming) { return Carry(coming, LastMinute, udLonDeg); }
int TPositionDlg::udLonDesChangingEx(int coming) { return Carry(coming, LastThousandth, udLonMin); }

cmgbase::GeoPoint TPositionDlg::typedPosition() const
{
    double latitude = JoinAngle(edLatDeg, edLatMin, edLatDes);
    double longitude = JoinAngle(edLonDeg, edLonMin, edLonDes);
    if (edNS->currentText() == QLatin1String("S"))
        latitude = -latitude;
    if (edEW->currentText() == QLatin1String("W"))
        longitude = -longitude;
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

// Each press takes one step: finish the tool after the click, click at the centred position, or
// centre the chart on the typed one. With no tool waiting for a click the step stays at
// "centre", so that every press centres the chart on what the fields show.
void TPositionDlg::OKBtnClick()
{
    if (positionStep_ == ClickMade) {
        if (PositionDialogHook.finishTool)
            PositionDialogHook.finishTool();
        positionStep_ = Idle;
        OKBtn->setText({});
    } else if (positionStep_ == ClickPending) {
        if (PositionDialogHook.clickAt)
            PositionDialogHook.clickAt(TypedPosition);
        positionStep_ = ClickMade;
        OKBtn->setText(FinishAction->text());
    } else if (positionStep_ == Edited) {
        TypedPosition = typedPosition();
        if (PositionDialogHook.centreChart && PositionDialogHook.centreChart(TypedPosition)) {
            positionStep_ = ClickPending;
            OKBtn->setText(ClickAction->text());
        }
    }
    edLatDeg->setFocus();
}

bool TPositionDlg::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Insert:
        if (PositionDialogHook.positionButton)
            PositionDialogHook.positionButton();
        return true;
    case Qt::Key_Left:
        NewFocus(-1);
        return true;
    case Qt::Key_Right:
        NewFocus(1);
        return true;
    default:
        return false;
    }
}

QWidget* TPositionDlg::field(int number) const
{
    QWidget* const fields[FieldCount] = {edLatDeg, edLatMin, edLatDes, edNS, edLonDeg, edLonMin, edLonDes, edEW};
    return number >= 1 && number <= FieldCount ? fields[number - 1] : nullptr;
}

void TPositionDlg::NewFocus(int step)
{
    int focused = 0;
    for (int number = 1; number <= FieldCount; ++number)
        if (field(number)->hasFocus())
            focused = number;
    if (QWidget* next = field(focused + step))
        next->setFocus();
}

bool TPositionDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}
