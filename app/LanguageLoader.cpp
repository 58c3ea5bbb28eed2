#include "app/LanguageLoader.h"

#include "app/LanguageTable.h"
#include "app/TickState.h"
#include "frame/SharedTables.h"
#include "platform/system/IniFile.h"
#include "platform/system/TextCodec.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* Missing = "!";

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

QWidget* FindForm(const std::string& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QString::fromStdString(name))
            return widget;
    return nullptr;
}

void SetCaption(QObject* control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* page = qobject_cast<QWidget*>(control)) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs)
            tabs->setTabText(tabs->indexOf(page), text);
        else if (page->isWindow())
            page->setWindowTitle(text);
    }
}

// Replaces entry index of a list by position; a position equal to the length appends.
void SetEntry(QObject* control, int index, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (index < combo->count())
            combo->setItemText(index, text);
        else if (index == combo->count())
            combo->addItem(text);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        if (index < list->count())
            list->item(index)->setText(text);
        else if (index == list->count())
            list->addItem(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        const QList<QRadioButton*> buttons =
            group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        if (index < buttons.size())
            buttons[index]->setText(text);
    }
}

// Only the title is written: the column's cells keep what they show.
void SetColumnTitle(QObject* control, int column, const QString& text)
{
    if (auto* grid = qobject_cast<QTableWidget*>(control); grid && column < grid->columnCount())
        grid->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
}

void ApplyRow(const LanguageRow& row, const std::string& text)
{
    if (row.kind == TextKind::MessageSlot) {
        MessageTexts[row.index] = text;
        return;
    }
    QObject* control =
        row.kind == TextKind::WindowCaption ? FindForm(row.control) : FindFormControl(row.control);
    if (!control)
        return;  // the control is not part of this build's windows
    const QString value = platform::FromCp1252(text);
    switch (row.kind) {
    case TextKind::Caption:
        SetCaption(control, value);
        break;
    case TextKind::Hint:
        if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setToolTip(value);
        break;
    case TextKind::WindowCaption:
        if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setWindowTitle(value);
        break;
    case TextKind::Entry:
        SetEntry(control, row.index, value);
        break;
    case TextKind::ColumnTitle:
        SetColumnTitle(control, row.index, value);
        break;
    case TextKind::SlotCaption:
        SetCaption(control, platform::FromCp1252(MessageTexts[row.index]));
        break;
    case TextKind::MessageSlot:
        break;
    }
}

// The keyboard help list: the digit keys with the hints just given to their buttons, then the
// texts of section "F1Text" with empty lines between the groups.
void FillKeyboardHelp(const platform::IniFile& language)
{
    auto* list = qobject_cast<QListWidget*>(FindFormControl("F1Text"));
    if (!list)
        return;
    int position = 0;
    auto put = [&](const QString& text) { SetEntry(list, position++, text); };
    for (const KeyboardHelpButton& help : KeyboardHelpButtons()) {
        auto* button = qobject_cast<QWidget*>(FindFormControl(help.button));
        put(platform::FromCp1252(std::string(help.digit) + "   ") + (button ? button->toolTip() : QString()));
    }
    auto keys = [&](int first, int last) {
        for (int key = first; key <= last; ++key)
            put(platform::FromCp1252(language.readString("F1Text", std::to_string(key), Missing)));
    };
    put({});
    keys(2, 13);
    put({});
    keys(14, 17);
    put({});
    keys(18, 27);
    put({});
    keys(28, 28);
}

}  // namespace

std::vector<std::string> FindLanguages(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string file = entry.path().filename().string();
        if (entry.is_regular_file() && file.size() > 4 && Lowered(file.substr(file.size() - 4)) == ".lng")
            names.push_back(file.substr(0, file.size() - 4));
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lowered(a) < Lowered(b); });
    return names;
}

QObject* FindFormControl(const std::string& path)
{
    const size_t dot = path.find('.');
    QWidget* form = FindForm(dot == std::string::npos ? "Form1" : path.substr(0, dot));
    const std::string name = dot == std::string::npos ? path : path.substr(dot + 1);
    return form ? form->findChild<QObject*>(QString::fromStdString(name)) : nullptr;
}

std::string ExpandLineBreaks(const std::string& text)
{
    std::string expanded;
    for (char c : text)
        expanded += c == '|' ? std::string("\r\n ") : std::string(1, c);
    return expanded;
}

void LoadLanguage(const std::filesystem::path& file)
{
    const platform::IniFile language(file);
    for (const LanguageRow& row : LanguageRows()) {
        const std::string text =
            row.section ? language.readString(row.section, std::to_string(row.key), Missing) : "";
        ApplyRow(row, text);
    }
    FillKeyboardHelp(language);
    for (std::string& text : MessageTexts)
        text = ExpandLineBreaks(text);
    // The status line shows the pointer mode's hint again, in this language.
    FastTick.shownPointerMode = -1;
}
