#include "windows/Accessibility.h"

#include "LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>

#include <utility>

namespace windows {

namespace {

// A link label as a link (its text is its accessible name): Press follows it.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            link()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

// A drop-down list's choice as the item selected in the list that drops
// down, which is where Orca 48 reads it (Qt has selections from 6.5).
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
class ChosenItem : public QAccessibleSelectionInterface {
public:
    explicit ChosenItem(QComboBox* list) : m_list(list) {}
    int selectedItemCount() const override { return int(selectedItems().size()); }
    QList<QAccessibleInterface*> selectedItems() const override
    {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(m_list->view());
        const int chosen = m_list->currentIndex();
        if (!items || chosen < 0 || chosen >= items->childCount())
            return {};
        return {items->child(chosen)};
    }
    // The choice is the keyboard's and the mouse's to make.
    bool select(QAccessibleInterface*) override { return false; }
    bool unselect(QAccessibleInterface*) override { return false; }
    bool selectAll() override { return false; }
    bool clear() override { return false; }
    void* cast(QAccessible::InterfaceType type)
    {
        return type == QAccessible::SelectionInterface ? static_cast<QAccessibleSelectionInterface*>(this) : nullptr;
    }

private:
    QComboBox* m_list;
};
#else
class ChosenItem {
public:
    explicit ChosenItem(QComboBox*) {}
    void* cast(QAccessible::InterfaceType) { return nullptr; }
};
#endif

// A drop-down list named by its caption, whose choice is its value, also as
// text and as its selected item: Orca 43 reads a list's choice from its
// text, Orca 48 from the item selected. When the choice changes, the text
// changes with it, and the new choice arrives selected, as in a list whose
// entry shows it; Qt tells of the new selection itself.
class ChoiceListAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public ChosenItem {
public:
    explicit ChoiceListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox), ChosenItem(list), m_shown(list->currentText())
    {
        QObject::connect(list, &QComboBox::currentTextChanged, list, [this](const QString& choice) {
            // The new choice goes in before the old one goes out: Orca 43
            // and 48 hear the choice arrive selected, and say nothing of the
            // old one's leaving. Both orders stand until neither Orca is
            // supported.
            const QString before = std::exchange(m_shown, choice);
            QAccessibleTextInsertEvent added(widget(), 0, choice);
            QAccessible::updateAccessibility(&added);
            QAccessibleTextRemoveEvent removed(widget(), int(choice.size()), before);
            QAccessible::updateAccessibility(&removed);
        });
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (void* selection = cast(type))
            return selection;
        return QAccessibleWidget::interface_cast(type);
    }

    // Its one child is the list that drops down, as in Qt's own.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return m_shown;
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The choice as a text of one line, all of it selected.
    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return m_shown.isEmpty() ? 0 : 1; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return m_shown.mid(start, end - start); }
    int characterCount() const override { return int(m_shown.size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = offset;
        *end = offset;
        return QString();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    QString m_shown;
};

// The row of buttons of a message box. Qt (6.4 and 6.8) makes its first
// button its focus proxy, which has the row report the focus as well as the
// button that has it, so a reader (Orca 43 or 48) would announce two focused
// controls. It can go once Qt's row reports only a focus of its own
// (scripts/screen-reader.sh tells).
class ButtonRowAccessible : public QAccessibleWidget {
public:
    explicit ButtonRowAccessible(QWidget* row) : QAccessibleWidget(row, QAccessible::Grouping) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = QApplication::focusWidget() == widget();
        return state;
    }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1String("QComboBox")) {
        auto* list = static_cast<QComboBox*>(object);
        if (!list->isEditable())
            return new ChoiceListAccessible(list);
    }
    if (className == QLatin1String("QDialogButtonBox"))
        return new ButtonRowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    QAccessible::installFactory(makeInterface);
}

}  // namespace windows
