#pragma once
// The object information dialog: for the object the chart pick put into IdShownBuffer, or for a
// sample of the own track, a summary; the object's name and information text to edit, a linked
// document, a line as an AIS guard zone or a zone as the anchor guard, and the hand-over to the
// chart object query. Shown modelessly over the chart; it stores what was changed when it hides.
// With the option to describe objects (ckScreenKeyb) it runs the on-screen keyboard while shown.
// Main thread only.

#include "platform/geodesy/GeoTypes.h"
#include "platform/system/FormDialog.h"
#include "userdata/UserRecords.h"

#include <QPoint>

#include <cstdint>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TQueryDlg : public platform::FormDialog {
public:
    // The folder of linked documents, in the program folder.
    static constexpr const char* InfoFolder = "Info";

    explicit TQueryDlg(QWidget* owner = nullptr);

    void FormShow() override;
    void FormHide() override;
    // Unless a route is being drawn, the pointer goes into the dialog.
    void FormActivate();
    void FormResize();
    void OKBtnClick();
    void QueryBtnClick();
    void FileBtnClick();
    void WpBtnClick();
    void ckAnchorClick();
    // Stores the name, the guard-zone choice and the text as changed; nothing for a track sample.
    void SaveObjectInfo();

    QLineEdit* Text;
    QPlainTextEdit* ObjInfo;
    QPlainTextEdit* ObjData;
    QPushButton* OKBtn;
    QPushButton* QueryBtn;
    QPushButton* FileBtn;
    QPushButton* WpBtn;
    QCheckBox* ckAnchor;
    QCheckBox* ckAisLog;

    // What the chart pick chose besides the object: the slot of the own track's sample shown (-1:
    // the object is shown), the route table entry of the waypoint shown (-1 none) and the number
    // (sequence) of a track's point (-1 none).
    int32_t TrackSample = -1;
    int32_t SelectedWaypoint = -1;
    int32_t SelectedTrackPoint = -1;

    // Kept at show time: the chart position of the pick, which the chart query takes, the pointer's
    // place, and whether the object had no text yet.
    cmgbase::GeoPoint QueryPoint{};
    QPoint SavedPointer;
    bool NewText = false;
    // The radius of a ZONE shown, nautical miles.
    float ZoneRadiusMiles = 0.0f;

    // The object shown, as IdShownBuffer held it at show time and as stored since.
    const IdRecord& ShownObject() const { return shown_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showTrackSample();
    void showObject();
    void setEditable(bool editable);
    QString infoText() const;
    void setInfoText(const std::string& text);

    IdRecord shown_;
    // The kind of the shown object's text; none when what is shown has none of its own.
    std::optional<uint16_t> textKind_;
    bool textEdited_ = false;
    bool filling_ = false;
};

inline TQueryDlg* QueryDlg = nullptr;

// A new object to be named: with the option to describe objects on, it is put into
// IdShownBuffer and the information dialog shows it.
void OfferForNaming(const IdRecord& record);
