#pragma once
// QVZOptionsDialog: the modal notebook dialog of the everyday settings, on
// four pages: General (single-event mode, event folder, language), Serial
// (the block-sensor port groups and two download preferences), Chart (pen,
// colours and the time range of the trace chart) and Scoreboard (the board
// groups and their output options). Every field shows a settings value and
// writes it back; the dialog keeps no settings of its own.
//
// The Serial and Scoreboard pages edit one settings group at a time, the
// one selected in their list: every change of a list's selection stores
// the fields into the group being left and loads the new one, and New and
// Delete act on the settings at once, so these survive Cancel. The General
// and Chart values and the groups shown last wait for Ok (Finish).
//
// Made on its caller's stack with the index of the page shown first (0 to
// 3; another index shows the first page), run with DoModal. GUI thread only.

#include <cstdint>
#include <memory>

#include "shell/toolkit/dialogs/KZDialog.h"

class KRGroup;
class KZSerialPort;
class QVZScoreboardSelector;
class QVZSerialSelector;

class QVZOptionsDialog : public KZDialog
{
public:
    static constexpr int kPageCount = 4;
    static constexpr int kNameColumn = 17;     // cells, both group lists
    static constexpr int kStatusColumn = 20;
    static constexpr int kListButtonWidth = 9;
    static constexpr int kGroupNameWidth = 14;
    static constexpr int kGroupNameLength = 31;
    static constexpr int kDropDownRows = 15;
    static constexpr int kColorCount = 16;
    static constexpr uint32_t kPortOptions = 63;   // local and hub ports, line format

    explicit QVZOptionsDialog(int page);
    ~QVZOptionsDialog() override;

    // New, Delete and the paging box here; everything else as KZDialog.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Ok (kDialogOk) writes the General and Chart values and the shown groups.
    void Finish(int32_t result) override;

    // ---- Group editors (the lists call them around every selection change) ----
    void StoreSerialPort();
    void LoadSerialPort();
    void StoreScoreboard();
    void LoadScoreboard();
    // Size and Time follow the paging box.
    void UpdatePaging();
    // Each Delete button is enabled only while its list's selected row
    // holds a group not yet deleted.
    void UpdateDeleteButtons();

    // ---- Fields, for the lists ----
    QVZSerialSelector *PortList() const { return portList; }
    QVZScoreboardSelector *BoardList() const { return boardList; }
    KRGroup *CurrentPortGroup() const { return portGroup; }
    KRGroup *CurrentBoardGroup() const { return boardGroup; }
    ZafNotebook *Notebook() const { return notebook; }
    KZString *PortNameField() const { return portName; }
    KZString *BoardNameField() const { return boardName; }
    KZComboBox *ChartBox(int n) const { return chartBoxes[n]; }
    KZReal *MinimumField() const { return minimumField; }
    KZReal *MaximumField() const { return maximumField; }
    KZButton *PagingBox() const { return pagingBox; }
    KZInteger *PageSizeField() const { return pageSize; }
    KZString *PageTimeField() const { return pageTime; }
    KZSerialPort *PortPanel() const { return portPanel.get(); }
    KZSerialPort *BoardPanel() const { return boardPanel.get(); }

private:
    // Pages (QVZOptionsPages.cpp). The port panels are VZSerialPort panels.
    void BuildGeneral();
    void BuildSerial();
    void BuildChart();
    void BuildScoreboard();
    void AddListTitles(const wchar_t *nameKey, const wchar_t *statusKey);
    // The titles, then a group list of the given class at the cursor, added to the page.
    template <class List> List *AddGroupList(const wchar_t *nameKey, const wchar_t *statusKey);
    void AddListButtons(const wchar_t *newKey, int32_t newCode, const wchar_t *deleteKey, int32_t deleteCode);
    std::unique_ptr<KZSerialPort> AddPortPanel(uint32_t options, const wchar_t *noneText);
    KZRadioGroup *AddCodeSet(int initial);
    KZString *AddTimeField(int width);
    KZComboBox *AddColorBox(const wchar_t *key);
    int ListHeight() const;
    void EnableBoardFields(bool enable);
    void EnablePortFields(bool enable);

    // New and Delete (QVZOptionsGroups.cpp).
    void NewPort();
    void DeletePort();
    void NewBoard();
    void DeleteBoard();

    // General page.
    KZRadioGroup *singleEvent = nullptr;
    KZString *eventFolder = nullptr;
    KZComboBox *language = nullptr;
    // Serial page.
    QVZSerialSelector *portList = nullptr;
    KZButton *portNew = nullptr;
    KZButton *portDelete = nullptr;
    KZString *portName = nullptr;
    std::unique_ptr<KZSerialPort> portPanel;
    KRGroup *portGroup = nullptr;
    KZButton *promptTrace = nullptr;
    KZButton *addToOverlay = nullptr;
    // Chart page: brush width, pen style, brush colour, background, chart background.
    KZComboBox *chartBoxes[5] = {};
    KZReal *minimumField = nullptr;
    KZReal *maximumField = nullptr;
    // Scoreboard page.
    QVZScoreboardSelector *boardList = nullptr;
    KZButton *boardNew = nullptr;
    KZButton *boardDelete = nullptr;
    KZString *boardName = nullptr;
    KZComboBox *script = nullptr;
    KZRadioGroup *codeSet = nullptr;
    std::unique_ptr<KZSerialPort> boardPanel;
    KZRadioGroup *resultsMode = nullptr;
    KZButton *pagingBox = nullptr;
    KZInteger *pageSize = nullptr;
    KZString *pageTime = nullptr;
    KZButton *includeFirst = nullptr;
    KZButton *affiliation = nullptr;
    KRGroup *boardGroup = nullptr;

    ZafNotebook *notebook = nullptr;
};
