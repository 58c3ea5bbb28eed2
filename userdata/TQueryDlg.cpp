#include "userdata/TQueryDlg.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/FileDialog.h"
#include "platform/system/TextCodec.h"
#include "userdata/AnchorGuard.h"
#include "userdata/InfoTexts.h"
#include "userdata/LinkedDocument.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ObjectInfoStore.h"
#include "userdata/ObjectSummary.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/ScreenKeyboard.h"
#include "userdata/UserDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDesktopServices>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include <mutex>

namespace {

// Pointer places relative to the dialog's top left corner.
constexpr QPoint ShowPointer{90, 75};  // y below the top of OKBtn
constexpr QPoint ActivatePointer{80, 180};

// Layout: the name and the summary on the left, the text on the right, buttons along the bottom.
constexpr int Margin = 5;
constexpr int LeftWidth = 190;
constexpr int InfoOffset = 205;  // ObjInfo takes the width less this
constexpr int RowHeight = 22;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 15;
constexpr int SummaryPointSize = 8;

template <typename Control>
Control* Named(QWidget* parent, const char* name, const char* caption = nullptr)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (requires { control->setText(QString()); }) {
        if (caption)
            control->setText(QString::fromLatin1(caption));
    }
    return control;
}

// Texts are stored with CR LF line ends; the memos work with LF.
QString Displayed(const std::string& text)
{
    return platform::FromCp1252(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The kind of the text of what is shown: a route waypoint's is the sequence of its own stored
// point, whatever place it has in the table; the object's own text is kind 0.
std::optional<uint16_t> TextKindOf(const IdRecord& object, int32_t waypoint)
{
    if (object.objectType != ObjectType::ROUTE || waypoint < 0)
        return 0;
    const WP_typ* entry = ShownWaypoint(object, waypoint);
    if (!entry || !entry->isStoredPoint() || entry->objectId != uint32_t(object.id))
        return std::nullopt;
    return entry->sequence;
}

// The route table's waypoint of the stored point (id, sequence), wherever the table holds it,
// takes the text as its name.
void NameWaypoint(int32_t id, uint16_t sequence, const std::string& text)
{
    const std::lock_guard lock(ComOutStateLock);
    for (int32_t i = 0; i < RouteEntryCount(); ++i) {
        WP_typ& entry = RouteTable[size_t(i)];
        if (entry.isStoredPoint() && entry.objectId == uint32_t(id) && entry.sequence == sequence)
            entry.setName(text.substr(0, WaypointNameMaximum));
    }
}

void RequestRedraw()
{
    if (RouteHook.requestRedraw)
        RouteHook.requestRedraw();
}

}  // namespace

TQueryDlg::TQueryDlg(QWidget* owner) : FormDialog(owner)
{
    setObjectName(QStringLiteral("QueryDlg"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Text = Named<QLineEdit>(this, "Text");
    Text->setMaxLength(int(ObjectNameMaximum));
    ObjInfo = Named<QPlainTextEdit>(this, "ObjInfo");
    ObjData = Named<QPlainTextEdit>(this, "ObjData");
    ObjData->setReadOnly(true);
    // Summary lines are laid out for a narrow column: they are not wrapped.
    ObjData->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont small = ObjData->font();
    small.setPointSize(SummaryPointSize);
    ObjData->setFont(small);
    OKBtn = Named<QPushButton>(this, "OKBtn", "OK");
    QueryBtn = Named<QPushButton>(this, "QueryBtn", "Query chart");
    FileBtn = Named<QPushButton>(this, "FileBtn", "Info file");
    WpBtn = Named<QPushButton>(this, "WpBtn", "Info wp 1");
    ckAnchor = Named<QCheckBox>(this, "ckAnchor", "Anchor guard");
    ckAisLog = Named<QCheckBox>(this, "ckAisLog", "Ais activity log");
    ckAnchor->hide();
    ckAisLog->hide();
    for (QPushButton* button : {OKBtn, QueryBtn, FileBtn, WpBtn})
        button->setAutoDefault(false);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(QueryBtn, &QPushButton::clicked, this, [this] { QueryBtnClick(); });
    connect(FileBtn, &QPushButton::clicked, this, [this] { FileBtnClick(); });
    connect(WpBtn, &QPushButton::clicked, this, [this] { WpBtnClick(); });
    connect(ckAnchor, &QCheckBox::clicked, this, [this] { ckAnchorClick(); });
    connect(ObjInfo, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_)
            textEdited_ = true;
    });
    setMinimumSize(400, 200);
    resize(560, 280);
}

void TQueryDlg::FormShow()
{
    SavedPointer = QCursor::pos();
    const QRect frame = frameGeometry();
    QCursor::setPos(frame.left() + ShowPointer.x(), frame.top() + OKBtn->y() + ShowPointer.y());
    if (TrackSample != -1) {
        showTrackSample();
        return;
    }
    QueryPoint = HookedCursorChartPoint();
    shown_ = IdShownBuffer;
    showObject();
    if (SetupParameters.ScreenKeyboard)
        StartScreenKeyboard();
}

void TQueryDlg::showTrackSample()
{
    filling_ = true;
    setWindowTitle(QString::fromLatin1(CurrentTrackCaption));
    Text->clear();
    ObjInfo->clear();
    setEditable(false);
    ObjData->setPlainText(Displayed(CurrentTrackSummary(TrackSample)));
    ckAnchor->hide();
    ckAisLog->hide();
    textKind_.reset();
    textEdited_ = false;
    FormResize();
    filling_ = false;
}

void TQueryDlg::showObject()
{
    filling_ = true;
    setEditable(true);
    const ObjectType type = shown_.objectType;
    const ShownPart part{SelectedWaypoint, SelectedTrackPoint, SecondRoute != 0};
    setWindowTitle(platform::FromCp1252(ObjectCaption(shown_, part)));
    ObjData->setPlainText(Displayed(ObjectSummary(shown_, part)));
    Text->setText(platform::FromCp1252(FixedText(shown_.name)));
    Text->setModified(false);

    const bool zone = type == ObjectType::ZONE;
    ZoneRadiusMiles = zone ? ZoneRadius(shown_) : 0.0f;
    ckAnchor->setChecked(zone && AnchorGuard.zoneId == shown_.id);
    ckAnchor->setVisible(zone);
    const bool line = type == ObjectType::LINE;
    ckAisLog->setChecked(line && shown_.colour == GuardZoneColour);
    ckAisLog->setVisible(line);

    textKind_ = TextKindOf(shown_, SelectedWaypoint);
    const std::optional<std::string> text = textKind_ ? ReadObjectText(shown_.id, *textKind_) : std::nullopt;
    NewText = !text;
    setInfoText(text.value_or(std::string()));
    ObjInfo->setEnabled(textKind_.has_value());
    FileBtn->setEnabled(textKind_.has_value());
    textEdited_ = false;
    FormResize();
    Text->setFocus();
    filling_ = false;
}

void TQueryDlg::setEditable(bool editable)
{
    for (QWidget* edit : std::initializer_list<QWidget*>{Text, ObjInfo, FileBtn}) {
        edit->setEnabled(editable);
        // Grey while a track sample is shown, white again after.
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, editable ? QColor(Qt::white) : palette().color(QPalette::Button));
        edit->setPalette(colours);
    }
}

QString TQueryDlg::infoText() const
{
    return ObjInfo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TQueryDlg::setInfoText(const std::string& text)
{
    ObjInfo->setPlainText(Displayed(text));
}

void TQueryDlg::SaveObjectInfo()
{
    if (TrackSample != -1) {
        TrackSample = -1;
        setEditable(true);
        return;
    }
    ObjectInfoChange change;
    if (Text->isModified())
        change.name = platform::ToCp1252(Text->text());
    if (shown_.objectType == ObjectType::LINE)
        change.guardZone = ckAisLog->isChecked();
    if (textEdited_)
        change.text = platform::ToCp1252(infoText());
    change.textKind = textKind_;
    const ObjectInfoStored stored = StoreObjectInfo(shown_, change);
    shown_ = stored.object;
    if (IdShownBuffer.id == shown_.id && IdShownBuffer.objectType == shown_.objectType)
        IdShownBuffer = shown_;
    if (change.text && textKind_ && *textKind_ != 0)
        NameWaypoint(shown_.id, *textKind_, stored.text);
    if (change.text && textKind_)
        NewText = stored.text.empty();
    if (stored.colourChanged || change.name)
        RequestRedraw();
    Text->setModified(false);
    textEdited_ = false;
}

void TQueryDlg::FormHide()
{
    SaveObjectInfo();
    if (RouteEditMode != RouteDrawing)
        QCursor::setPos(SavedPointer);
    if (ObjectDialogHook.focusPositionDialog)
        ObjectDialogHook.focusPositionDialog();
    EndScreenKeyboard();
}

void TQueryDlg::FormActivate()
{
    if (RouteEditMode != RouteDrawing)
        QCursor::setPos(frameGeometry().topLeft() + ActivatePointer);
}

void TQueryDlg::FormResize()
{
    const int w = width();
    const int h = height();
    const bool route = TrackSample == -1 && shown_.objectType == ObjectType::ROUTE;
    WpBtn->setVisible(route);
    const int buttonWidth = w / (route ? 4 : 3) - ButtonGap;
    const int buttonTop = h - ButtonHeight - Margin;
    int x = Margin;
    for (QPushButton* button : {OKBtn, QueryBtn, FileBtn, WpBtn}) {
        if (button == WpBtn && !route)
            continue;
        button->setGeometry(x, buttonTop, buttonWidth, ButtonHeight);
        x += buttonWidth + ButtonGap;
    }
    Text->setGeometry(Margin, Margin, LeftWidth, RowHeight);
    const int boxTop = buttonTop - Margin - RowHeight;
    ckAnchor->setGeometry(Margin, boxTop, LeftWidth, RowHeight);
    ckAisLog->setGeometry(Margin, boxTop, LeftWidth, RowHeight);
    const int summaryTop = 2 * Margin + RowHeight;
    ObjData->setGeometry(Margin, summaryTop, LeftWidth, boxTop - Margin - summaryTop);
    ObjInfo->setGeometry(InfoOffset - Margin, Margin, w - InfoOffset, buttonTop - 2 * Margin);
}

void TQueryDlg::OKBtnClick()
{
    hide();
}

void TQueryDlg::QueryBtnClick()
{
    hide();
    if (ObjectDialogHook.queryChartObjects)
        ObjectDialogHook.queryChartObjects(QueryPoint);
}

void TQueryDlg::FileBtnClick()
{
    const std::string text = platform::ToCp1252(ObjInfo->toPlainText());
    if (const std::optional<std::string> name = LinkedDocumentName(text)) {
        const std::string native = platform::FromCp1252(*name).toStdString();
        if (const auto file = OpenableDocument(native, ProgramFolder))
            QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file->string())));
        else
            QApplication::beep();
        return;
    }
    platform::FileDialogRequest request;
    request.owner = this;
    request.folder = ProgramFolder / InfoFolder;
    request.filter = LinkedDocumentFilter;
    const platform::FileDialogAnswer chosen = platform::ShowFileDialog(request);
    if (!chosen)
        return;
    const std::string link = LinkedDocumentPrefix(platform::ToCp1252(QString::fromStdString(chosen->string())));
    ObjInfo->setPlainText(Displayed(link) + ObjInfo->toPlainText());
    textEdited_ = true;
}

void TQueryDlg::WpBtnClick()
{
    SaveObjectInfo();
    SelectedWaypoint = OwnPositionInserted ? 1 : 0;
    // The route's waypoint 1 is the one highlighted on the chart too.
    ::SelectedWaypoint = SelectedWaypoint;
    RequestRedraw();
    showObject();
}

void TQueryDlg::ckAnchorClick()
{
    if (shown_.objectType != ObjectType::ZONE)
        return;
    if (ckAnchor->isChecked())
        SetAnchorGuard(shown_, ZoneRadiusMiles);
    else
        ClearAnchorGuard();
    RequestRedraw();
}

void TQueryDlg::resizeEvent(QResizeEvent* event)
{
    FormDialog::resizeEvent(event);
    FormResize();
}

void TQueryDlg::changeEvent(QEvent* event)
{
    FormDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void OfferForNaming(const IdRecord& record)
{
    if (!SetupParameters.ScreenKeyboard)
        return;
    IdShownBuffer = record;
    if (!QueryDlg)
        return;
    // A shown object is stored first, as its OK button does.
    if (QueryDlg->isVisible())
        QueryDlg->OKBtnClick();
    QueryDlg->TrackSample = -1;
    QueryDlg->SelectedWaypoint = -1;
    QueryDlg->SelectedTrackPoint = -1;
    QueryDlg->show();
}
