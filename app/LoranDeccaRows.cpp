#include "app/LoranDeccaRows.h"

#include "app/ColourScheme.h"
#include "app/ControlBehaviour.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace {

// LoranPanel heights: two rows of readings, four, five with the V row, and the three Decca rows.
constexpr int TwoRowHeight = 47;
constexpr int FourRowHeight = 89;
constexpr int FiveRowHeight = 110;
constexpr int DeccaHeight = 69;
// ChainPanel heights: the chain list alone, and with the row of Decca corrections.
constexpr int ChainListHeight = 29;
constexpr int CorrectionRowHeight = 54;

// LABRADOR SEA and ICELANDIC have only a W and an X secondary; SOUTH CENTRAL U.S. is the one
// chain with a V secondary.
bool HasTwoSecondaries(int32_t chain)
{
    return chain == 2 || chain == 13;
}
constexpr int32_t ChainWithV = 9;

void SetHeight(QWidget* panel, int height)
{
    panel->resize(panel->width(), height);
}

void SetVisible(std::initializer_list<QWidget*> controls, bool visible)
{
    for (QWidget* control : controls)
        control->setVisible(visible);
}

// The LORAN rows of a chain: a row for each secondary slot it may have, and the height of them.
void ShowLoranRows(TForm1& f, int32_t chain)
{
    const bool two = HasTwoSecondaries(chain);
    const bool withV = chain == ChainWithV;
    SetVisible({f.txLn1, f.txLnVal1}, withV);
    SetVisible({f.txLn4, f.txLnVal4, f.txLn5, f.txLnVal5}, !two);
    SetHeight(f.LoranPanel, two ? TwoRowHeight : withV ? FiveRowHeight : FourRowHeight);
}

void ShowDeccaRows(TForm1& f)
{
    SetVisible({f.txLn1, f.txLnVal1, f.txLn5, f.txLnVal5}, false);
    SetVisible({f.txLn4, f.txLnVal4}, true);
    SetHeight(f.LoranPanel, DeccaHeight);
}

// The LORAN values in the window-text colour of the program, which follows the display mode.
void ColourLoranReadouts(TForm1& f)
{
    for (QLabel* value : {f.txLnVal2, f.txLnVal3, f.txLnVal4})
        value->setPalette(QPalette());
}

// The chain panel beside the LORAN panel, wide enough for the longest chain name, with the
// correction row for Decca, and the pointer on its OK button.
void ShowChainPanel(TForm1& f, bool corrections)
{
    SetVisible({f.csRedCorr, f.csGreenCorr, f.csPurpleCorr}, corrections);
    f.cmbLoran->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int width = std::max(f.ChainPanel->width(), f.ChainPanel->sizeHint().width());
    f.ChainPanel->resize(width, corrections ? CorrectionRowHeight : ChainListHeight);
    f.ChainPanel->move(f.LoranPanel->x() - f.ChainPanel->width(), f.LoranPanel->y());
    f.ChainPanel->show();
    f.ChainPanel->raise();
    f.ChainPanel->layout()->activate();
    const QPoint onOk(f.ChainPanel->x() + f.btnChainOk->x() + 10, f.ChainPanel->y() + 12);
    QCursor::setPos(f.mapToGlobal(onOk));
}

// The chain list of a converter: its chain names in table order, the stored chain shown (none
// for an index outside the list), in the chain panel.
void OfferChains(TForm1& f, const QStringList& names, int32_t stored, bool corrections)
{
    f.cmbLoran->clear();
    f.cmbLoran->addItems(names);
    f.cmbLoran->setCurrentIndex(stored >= 0 && stored < names.size() ? stored : -1);
    ShowChainPanel(f, corrections);
}

// The labels of the W to Z rows. The readings shown belong to the aid before and would read as
// lanes of this one: they are emptied until the next cursor readout.
void SetRowLabels(TForm1& f, const std::array<const char*, 4>& labels)
{
    QLabel* rows[] = {f.txLn2, f.txLn3, f.txLn4, f.txLn5};
    for (size_t i = 0; i < labels.size(); ++i)
        rows[i]->setText(QString::fromLatin1(labels[i]));
    for (QLabel* value : {f.txLnVal1, f.txLnVal2, f.txLnVal3, f.txLnVal4, f.txLnVal5})
        value->clear();
}

bool IsLoranChain(int32_t index)
{
    return index >= 0 && index < LoranConverter::ChainCount;
}

bool IsDeccaChain(int32_t index)
{
    return index >= 0 && index < DeccaConverter::ChainCount;
}

}  // namespace

bool SelectStoredDeccaChain(int32_t index)
{
    const DeccaChain* chain = Decca ? Decca->Chain(index) : nullptr;
    if (!chain)
        return false;
    const int32_t number = chain->number;
    Decca->SelectChain(number);
    Decca->SetCorrections(number, SetupParameters.DeccaRedCorrection * 0.01,
                          SetupParameters.DeccaGreenCorrection * 0.01,
                          SetupParameters.DeccaPurpleCorrection * 0.01);
    return true;
}

void TForm1::ConnectLoranDeccaRows()
{
    ConnectClick(ckLoranPos, [this] { ckLoranPosClick(); });
    ConnectClick(ckDeccaPos, [this] { ckDeccaPosClick(); });
    connect(cmbLoran, &QComboBox::activated, this, &TForm1::cmbLoranChange);
    connect(btnChainOk, &QPushButton::clicked, this, &TForm1::btnChainOkClick);
    connect(csRedCorr, &QSpinBox::valueChanged, this, &TForm1::csRedCorrChange);
    connect(csGreenCorr, &QSpinBox::valueChanged, this, &TForm1::csGreenCorrChange);
    connect(csPurpleCorr, &QSpinBox::valueChanged, this, &TForm1::csPurpleCorrChange);
}

void TForm1::ckLoranPosClick()
{
    if (ckLoranPos->isChecked()) {
        ckDeccaPos->setChecked(false);
        SetupParameters.DeccaPosition = 0;
        const int32_t chain = SetupParameters.LoranChain;
        ShowLoranRows(*this, chain);
        SetRowLabels(*this, {"W:", "X:", "Y:", "Z:"});
        if (StartupDone && Loran) {
            QStringList names;
            for (int i = 0; i < LoranConverter::ChainCount; ++i)
                names.append(platform::FromCp1252(Loran->Chain(i)->chainName));
            Loran->SelectChain(chain);
            OfferChains(*this, names, chain, false);
        }
        ColourLoranReadouts(*this);
    }
    SetupParameters.LoranPosition = ckLoranPos->isChecked();
    LoranPanel->setVisible(ckLoranPos->isChecked());
    ckHide2Click(false);
}

void TForm1::ckDeccaPosClick()
{
    if (ckDeccaPos->isChecked()) {
        ckLoranPos->setChecked(false);
        SetupParameters.LoranPosition = 0;
        ShowDeccaRows(*this);
        SetRowLabels(*this, {"R:", "G:", "P:", ""});
        if (StartupDone && Decca) {
            QStringList names;
            for (int i = 0; i < DeccaConverter::ChainCount; ++i)
                names.append(platform::FromCp1252(Decca->Chain(i)->name));
            const int32_t chain = SetupParameters.DeccaChain;
            SelectStoredDeccaChain(chain);
            OfferChains(*this, names, chain, true);
        }
        ColourDeccaReadouts(*this);
    }
    SetupParameters.DeccaPosition = ckDeccaPos->isChecked();
    LoranPanel->setVisible(ckDeccaPos->isChecked());
    ckHide2Click(false);
}

// The chain chosen in the list; an index outside the converter's table changes nothing.
void TForm1::cmbLoranChange()
{
    const int32_t index = cmbLoran->currentIndex();
    if (SetupParameters.LoranPosition && IsLoranChain(index)) {
        SetupParameters.LoranChain = index;
        if (Loran)
            Loran->SelectChain(index);
        ShowLoranRows(*this, index);
    }
    if (SetupParameters.DeccaPosition && IsDeccaChain(index)) {
        SetupParameters.DeccaChain = index;
        SelectStoredDeccaChain(index);
        ShowDeccaRows(*this);
    }
}

void TForm1::btnChainOkClick()
{
    cmbLoranChange();
    ChainPanel->hide();
}

// The corrections are stored here and reach the converter with the next chain choice or OK.
void TForm1::csRedCorrChange()
{
    SetupParameters.DeccaRedCorrection = static_cast<int16_t>(csRedCorr->value());
}

void TForm1::csGreenCorrChange()
{
    SetupParameters.DeccaGreenCorrection = static_cast<int16_t>(csGreenCorr->value());
}

void TForm1::csPurpleCorrChange()
{
    SetupParameters.DeccaPurpleCorrection = static_cast<int16_t>(csPurpleCorr->value());
}
