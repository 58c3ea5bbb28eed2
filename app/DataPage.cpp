#include "app/DataPage.h"

#include "app/ControlBehaviour.h"
#include "app/DataSets.h"
#include "app/EditingState.h"
#include "app/FilesPanel.h"
#include "app/TDlgFileEdit.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/DateConversion.h"
#include "frame/PickerDate.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/FileDialog.h"
#include "platform/system/MessageBox.h"
#include "platform/system/TextQuery.h"
#include "userdata/RouteTable.h"
#include "userdata/SeabedExport.h"
#include "userdata/SeabedTiles.h"
#include "userdata/TransferUserData.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDateEdit>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>

namespace {

enum DataChoice : int32_t { DataCopyOut = 0, DataCopyIn = 1, DataDelete = 2 };
enum DataKind : int { KindRoutes = 0, KindTracks = 1, KindSymbols = 2, KindLines = 3, KindDepths = 4 };
constexpr int32_t ScopeAll = 1;
constexpr int32_t ScopeShown = 2;
constexpr int32_t ScopeArea = 4;
constexpr int AreaQuestionText = 27;

std::array<QRadioButton*, 6> DataSetButtons(TForm1& f)
{
    return {f.ckDbA, f.ckDbB, f.ckDbC, f.ckDbD, f.ckDbE, f.ckDbF};
}

std::array<QCheckBox*, 6> DrawnTooBoxes(TForm1& f)
{
    return {f.ckDbxA, f.ckDbxB, f.ckDbxC, f.ckDbxD, f.ckDbxE, f.ckDbxF};
}

bool KindChecked(const TForm1& f, int kind)
{
    return f.cklDataCopy->item(kind)->checkState() == Qt::Checked;
}

bool KindEnabled(const TForm1& f, int kind)
{
    return f.cklDataCopy->item(kind)->flags().testFlag(Qt::ItemIsEnabled);
}

void EnableKind(TForm1& f, int kind, bool enabled)
{
    QListWidgetItem* item = f.cklDataCopy->item(kind);
    item->setFlags(enabled ? item->flags() | Qt::ItemIsEnabled : item->flags() & ~Qt::ItemIsEnabled);
}

void ckDbxClick(TForm1& f, int set)
{
    const int32_t bit = 1 << set;
    if (DrawnTooBoxes(f)[size_t(set)]->isChecked())
        SetupParameters.DataSetsExchanged |= bit;
    else
        SetupParameters.DataSetsExchanged &= ~bit;
    Countdowns.chartRedraw = 3;
}

}  // namespace

void rgDataDataClick(TForm1& f)
{
    if (DataAreaSelection) {
        DataAreaSelection = false;
        SetRadioGroupItem(f.rgDataData, DataCopyIn);
    }
    const int choice = RadioGroupItem(f.rgDataData);
    SetupParameters.DataChoice = choice;
    if (choice == DataCopyIn)
        f.ckDataArea->setChecked(false);
    else if (choice == DataDelete)
        f.ckDataArea->setChecked(true);
    SyncDataTab(f);
}

namespace {

void rbDataAllClick(TForm1& f)
{
    SetupParameters.DataScope = (f.ckDataArea->isChecked() ? ScopeArea : 0) |
                                (f.rbDataShown->isChecked() ? ScopeShown : 0) |
                                (f.rbDataAll->isChecked() ? ScopeAll : 0);
    SyncDataTab(f);
}

// The limited area is marked on the chart after this question; "Execute" is pressed again then.
void AskForArea(TForm1& f)
{
    QCursor::setPos(f.CM93->mapToGlobal(QPoint(30, 55)));
    platform::MessageBoxRequest question;
    question.owner = &f;
    question.text = MessageTexts[AreaQuestionText];
    question.caption = "Area";
    question.icon = platform::MsgIcon::Exclamation;
    question.buttons = platform::MsgButtons::OkCancel;
    question.systemModal = true;
    question.topMost = true;
    if (platform::ShowMessageBox(question) == platform::MsgAnswer::Ok)
        DataAreaSelection = true;
}

// The archive's password; none when the question is cancelled or answered with nothing, and
// then the box is unchecked.
std::string AskForPassword(TForm1& f)
{
    platform::TextQueryRequest question;
    question.owner = &f;
    question.caption = "Password";
    question.prompt = "Enter password!";
    question.hidden = true;
    const platform::TextQueryAnswer answer = platform::ShowTextQuery(question);
    if (!answer || answer->empty()) {
        f.ckDataPass->setChecked(false);
        return {};
    }
    return *answer;
}

platform::FileDialogAnswer ChooseTransferFile(TForm1& f, int32_t choice)
{
    platform::FileDialogRequest request;
    request.owner = &f;
    request.folder = DataPaths[DataPathData];
    if (choice == DataCopyIn) {
        request.kind = platform::FileDialogKind::Open;
        request.filter = "Varnik data|*.zip|Import data|*.lst";
        return platform::ShowFileDialog(request);
    }
    request.kind = platform::FileDialogKind::Save;
    request.filter = "Varnik data|*.zip";
    request.confirmReplace = false;  // the backup asks itself before it replaces an archive
    platform::FileDialogAnswer answer = platform::ShowFileDialog(request);
    if (answer && answer->string().find(".zip") == std::string::npos)
        *answer += ".zip";
    return answer;
}

}  // namespace

// A data-set button: the checked one becomes the data set in use and its database is opened;
// the other sets may be drawn as well.
void TForm1::ckDbAClick()
{
    const std::array<QRadioButton*, 6> dataSets = DataSetButtons(*this);
    const std::array<QCheckBox*, 6> drawnToo = DrawnTooBoxes(*this);
    int32_t shown = 0;
    for (size_t i = 0; i < dataSets.size(); ++i) {
        drawnToo[i]->setChecked(false);
        drawnToo[i]->setEnabled(!dataSets[i]->isChecked());
        if (dataSets[i]->isChecked())
            shown = 1 << i;
    }
    // The held seabed tile goes into the seabed file it was recorded for as the files close.
    const int set = DataSetInUse(shown);
    SetupParameters.DataSetsShown = 1 << (set - 1);
    SelectUserDatabase(set);
    if (Show2DBtn->isChecked() || Show3DBtn->isChecked())
        chartRedrawRequest = true;
    else
        OverlayRedrawRequest = 1;
    SyncDataTab(*this);
}

void SyncDataTab(TForm1& f)
{
    if (!StartupDone)
        return;
    const int32_t choice = SetupParameters.DataChoice;
    const bool allScope = choice == DataCopyIn || f.rbDataAll->isChecked();
    const bool noDepths = !KindChecked(f, KindDepths);
    f.ckDataPass->setEnabled(choice != DataDelete);
    {
        const bool routeInUse = RouteId != 0 && !ObjectLoaded;
        EnableKind(f, KindRoutes, noDepths && (allScope || routeInUse));
        EnableKind(f, KindTracks, noDepths && (allScope || f.TrackBtn->isChecked()));
        EnableKind(f, KindSymbols, noDepths && (allScope || f.SymbolBtn->isChecked()));
        EnableKind(f, KindLines, noDepths && (allScope || f.SymbolBtn->isChecked()));
        bool objectKindChecked = false;
        for (const int kind : {KindRoutes, KindTracks, KindSymbols, KindLines})
            objectKindChecked = objectKindChecked || KindChecked(f, kind);
        EnableKind(f, KindDepths, (allScope || f.Show2DBtn->isChecked()) && !objectKindChecked);
    }
    f.rbDataShown->setEnabled(choice != DataCopyIn);
    f.btnFiles->setEnabled(f.ckDbF->isChecked());
    f.dtCopyFrom->setVisible(choice != DataCopyIn && noDepths);
    if (!f.rbDataAll->isEnabled())
        f.rbDataShown->setChecked(true);
    else if (!f.rbDataShown->isEnabled())
        f.rbDataAll->setChecked(true);
    if (choice == DataDelete)
        f.ckDataArea->setChecked(true);
    for (int kind = KindRoutes; kind <= KindDepths; ++kind)
        if (!KindEnabled(f, kind))
            f.cklDataCopy->item(kind)->setCheckState(Qt::Unchecked);
}

void LockDataSetButtons(TForm1& f)
{
    const bool trackRecording = f.btnTrack->isChecked();
    const bool depthRecording = SetupParameters.DepthSaveChoice > 0;
    for (QRadioButton* button : DataSetButtons(f)) {
        const bool sameSeabedFile = (button == f.ckDbF) == f.ckDbF->isChecked();
        button->setEnabled(!trackRecording && (!depthRecording || sameSeabedFile));
    }
}

void btnDataExecuteClick(TForm1& f)
{
    if (f.ckDataArea->isChecked() && !DataAreaSelection) {
        AskForArea(f);
        return;
    }
    const int32_t choice = SetupParameters.DataChoice;
    if (choice != DataDelete)
        DataAreaSelection = false;
    const bool depths = KindChecked(f, KindDepths);
    if (depths)
        StoreHeldSeabedTiles();

    std::string password;
    if (choice != DataDelete && f.ckDataPass->isChecked())
        password = AskForPassword(f);
    std::filesystem::path file;
    if (choice != DataDelete) {
        const platform::FileDialogAnswer answer = ChooseTransferFile(f, choice);
        if (!answer || answer->empty())
            return;
        file = *answer;
        if (choice == DataCopyIn && f.ckDbF->isChecked())
            f.lbFiles->addItem(FileListEntry(file));
    }

    TransferFile = file;
    TransferPassword = password;
    double fromDate = DaysFromDate(f.dtCopyFrom->date());
    TransferFromTime = static_cast<uint32_t>(std::max(DateToUnixTime(fromDate), 0));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool transferred = TransferUserData(
        choice == DataDelete, choice == DataCopyOut, !password.empty(),
        (SetupParameters.DataScope & ScopeShown) != 0, (SetupParameters.DataScope & ScopeArea) != 0,
        KindChecked(f, KindTracks), KindChecked(f, KindRoutes), KindChecked(f, KindSymbols),
        KindChecked(f, KindLines), depths);
    QApplication::restoreOverrideCursor();
    TransferPassword.clear();

    if (choice != DataCopyOut)
        f.OverlayRedrawRequest = 1;
    if (transferred && choice == DataCopyIn && f.ckDbF->isChecked())
        SaveFileList(f);
}

void btnDataInfoClick(TForm1& f)
{
    platform::FileDialogRequest request;
    request.owner = &f;
    request.folder = DataPaths[DataPathData];
    request.filter = "Data info files|*.txt";
    const platform::FileDialogAnswer file = platform::ShowFileDialog(request);
    if (!file || !DlgFileEdit)
        return;
    EditFilePath = *file;
    DlgFileEdit->resize(735, 250);
    DlgFileEdit->show();
}

void ConnectDataPage(TForm1& form)
{
    TForm1* f = &form;
    for (QRadioButton* dataSet : DataSetButtons(form))
        ConnectClick(dataSet, [f] { f->ckDbAClick(); });
    const std::array<QCheckBox*, 6> drawnToo = DrawnTooBoxes(form);
    for (size_t set = 0; set < drawnToo.size(); ++set)
        ConnectClick(drawnToo[set], [f, set] { ckDbxClick(*f, int(set)); });
    for (QRadioButton* item : form.rgDataData->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        ConnectClick(item, [f] { rgDataDataClick(*f); });
    for (QAbstractButton* scope : std::initializer_list<QAbstractButton*>{form.rbDataAll, form.rbDataShown, form.ckDataArea})
        ConnectClick(scope, [f] { rbDataAllClick(*f); });
    ConnectClickCheck(form.cklDataCopy, [f] { SyncDataTab(*f); });
    QObject::connect(form.btnDataExecute, &QPushButton::clicked, f, [f] { btnDataExecuteClick(*f); });
    QObject::connect(form.btnDataInfo, &QPushButton::clicked, f, [f] { btnDataInfoClick(*f); });
}
