#include "userdata/TAisDbDlg.h"

#include "frame/DateTimeText.h"
#include "platform/system/TextCodec.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cstring>
#include <optional>

using platform::isam::Status;

namespace {

// The up-down control: each arrow click is a step in its direction before the value changes.
// It shows its arrows only; its value is a count that means nothing to the user.
class SeekArrows : public QSpinBox {
public:
    explicit SeekArrows(TAisDbDlg* dialog) : QSpinBox(dialog), dialog_(dialog) {}
    void stepBy(int steps) override
    {
        dialog_->udSeekChangingEx(steps > 0 ? AisSeekDirection::Up : AisSeekDirection::Down);
        QSpinBox::stepBy(steps);
    }

protected:
    QString textFromValue(int) const override { return {}; }

private:
    TAisDbDlg* dialog_;
};

QLineEdit* Field(QWidget* owner, const char* name, bool upperCase)
{
    auto* field = new QLineEdit(owner);
    field->setObjectName(name);
    if (upperCase)
        QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
            const int cursor = field->cursorPosition();
            field->setText(text.toUpper());
            field->setCursorPosition(cursor);
        });
    return field;
}

// A typed MMSI or IMO number: digits only, at most nine of them.
std::optional<uint32_t> WholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return text.toUInt();
}

// A record's text field up to its NUL.
QString RecordText(const char* field, size_t size)
{
    return platform::FromCp1252(std::string(field, strnlen(field, size)));
}

template <size_t N>
void SetRecordText(char (&field)[N], const QString& text, size_t characters)
{
    const std::string bytes = platform::ToCp1252(text);
    std::memset(field, 0, N);
    std::memcpy(field, bytes.data(), std::min({bytes.size(), characters, N}));
}

}  // namespace

TAisDbDlg::TAisDbDlg(QWidget* owner) : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("AisDbDlg");
    setWindowTitle("Ais data");
    edName = Field(this, "edName", true);
    edName->setToolTip("Target info text");
    edMmsi = Field(this, "edMmsi", false);
    edImo = Field(this, "edImo", false);
    edCall = Field(this, "edCall", true);
    udSeek = new SeekArrows(this);
    udSeek->setObjectName("udSeek");
    udSeek->setRange(-32000, 32000);
    udSeek->setWrapping(true);
    udSeek->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    udSeek->setFixedWidth(udSeek->sizeHint().height());
    btnShow = new QPushButton(this);
    btnShow->setObjectName("btnShow");
    btnShow->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(edName, 0, 0, 1, 4);
    layout->addWidget(udSeek, 0, 4, 2, 1);
    layout->addWidget(new QLabel("MMSI", this), 1, 0);
    layout->addWidget(edMmsi, 1, 1);
    layout->addWidget(new QLabel("IMO", this), 1, 2);
    layout->addWidget(edImo, 1, 3);
    layout->addWidget(new QLabel("CALL:", this), 2, 0);
    layout->addWidget(edCall, 2, 1);
    layout->addWidget(btnShow, 2, 2, 1, 3);

    for (QLineEdit* field : fields())
        field->installEventFilter(this);
    udSeek->installEventFilter(this);
    btnShow->installEventFilter(this);
    connect(btnShow, &QPushButton::clicked, this, [this] { btnShowClick(); });
    choose(0);
}

void TAisDbDlg::choose(size_t field)
{
    searchKey = UserKey(AisNameKey + int(field));
    for (size_t n = 0; n < fields().size(); ++n) {
        QPalette colours = fields()[n]->palette();
        const bool chosen = n == field;
        colours.setColor(QPalette::Base, palette().color(chosen ? QPalette::Highlight : QPalette::Base));
        colours.setColor(QPalette::Text, palette().color(chosen ? QPalette::HighlightedText : QPalette::Text));
        fields()[n]->setPalette(colours);
    }
}

void TAisDbDlg::edNameClick()
{
    choose(0);
}

void TAisDbDlg::edMmsiClick()
{
    choose(1);
}

void TAisDbDlg::edImoClick()
{
    choose(2);
}

void TAisDbDlg::edCallClick()
{
    choose(3);
}

bool TAisDbDlg::typedProbe(AisStaticRecord& probe) const
{
    switch (searchKey) {
    case AisNameKey:
        SetRecordText(probe.name, edName->text(), 12);
        return true;
    case AisMmsiKey: {
        const auto mmsi = WholeNumber(edMmsi->text());
        probe.mmsi = mmsi.value_or(0);
        return mmsi.has_value();
    }
    case AisImoKey: {
        const auto imo = WholeNumber(edImo->text());
        probe.imo = imo.value_or(0);
        return imo.has_value();
    }
    default:
        SetRecordText(probe.callSign, edCall->text(), sizeof probe.callSign);
        return true;
    }
}

void TAisDbDlg::udSeekChangingEx(AisSeekDirection direction)
{
    AisStaticRecord record;
    Status status = Status::NoRecord;
    if (typed) {
        AisStaticRecord probe;
        if (!typedProbe(probe))
            return;
        status = SeekAisStatic(searchKey, probe, direction, record);
    } else {
        // An empty MMSI field (nothing shown yet) starts before the lowest MMSI.
        const auto mmsi = edMmsi->text().isEmpty() ? std::optional<uint32_t>(0) : WholeNumber(edMmsi->text());
        if (!mmsi)
            return;
        status = StepAisStatic(searchKey, *mmsi, direction, record);
    }
    typed = false;
    if (status == Status::Ok)
        showRecord(record);
}

void TAisDbDlg::showRecord(const AisStaticRecord& record)
{
    edName->setText(RecordText(record.name, sizeof record.name));
    edMmsi->setText(QString::number(record.mmsi));
    edImo->setText(QString::asprintf("%09u", unsigned(record.imo)));
    edCall->setText(RecordText(record.callSign, sizeof record.callSign));
    if (hooks.shownShip)
        hooks.shownShip(record.mmsi);
    // Stored as seconds since 1970; the replay files are named and minuted by the local clock.
    recordTime = QDateTime::fromSecsSinceEpoch(qint64(record.storedTime));
    btnShow->setText(platform::FromCp1252(LongDateShortTimeText(recordTime)));
    btnShow->setEnabled(true);
}

void TAisDbDlg::btnShowClick()
{
    if (!btnShow->isEnabled())
        return;
    if (hooks.replay)
        hooks.replay(recordTime);
    hide();
}

bool TAisDbDlg::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Up:
        udSeekChangingEx(AisSeekDirection::Up);
        return true;
    case Qt::Key_Down:
        udSeekChangingEx(AisSeekDirection::Down);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Left: {
        // Without a focused field, the move starts from the field of the search key.
        const auto list = fields();
        const auto focused = std::find_if(list.begin(), list.end(), [](QLineEdit* f) { return f->hasFocus(); });
        const size_t from = focused != list.end() ? size_t(focused - list.begin()) : size_t(searchKey - AisNameKey);
        const size_t to = (from + (key == Qt::Key_Right ? 1 : list.size() - 1)) % list.size();
        list[to]->setFocus();
        choose(to);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btnShowClick();
        return true;
    default:
        return false;
    }
}

void TAisDbDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (hooks.shown)
        hooks.shown();
    for (QLineEdit* field : fields())
        field->clear();
    edNameClick();
}

void TAisDbDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (hooks.hidden)
        hooks.hidden();
}

// The dialog sees the keys before its controls do; a key it does not use marks a field typed.
// A click in a field chooses its key.
bool TAisDbDlg::eventFilter(QObject* watched, QEvent* event)
{
    const auto list = fields();
    const auto field = std::find(list.begin(), list.end(), watched);
    if (event->type() == QEvent::KeyPress) {
        if (FormKeyDown(static_cast<QKeyEvent*>(event)->key()))
            return true;
        if (field != list.end())
            typed = true;
    } else if (event->type() == QEvent::MouseButtonPress && field != list.end()) {
        choose(size_t(field - list.begin()));
    }
    return QDialog::eventFilter(watched, event);
}

void TAisDbDlg::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyDown(event->key()))
        QDialog::keyPressEvent(event);
}
