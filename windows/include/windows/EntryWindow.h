#pragma once

#include "sign/Sign.h"
#include "windows/OfferFrame.h"
#include "windows/ProgramWindow.h"

#include <optional>

class QComboBox;
class QPushButton;

namespace windows {

class NameBox;

// The entry window (frmMain): a name and a date of birth in, a warrior sign
// out. Its controls keep their given names as object names.
class EntryWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit EntryWindow(QWidget* parent = nullptr);

    using Offer = OfferFrame::Offer;
    void bringOfferToFront(Offer offer);

    // Checks the name and the date; shows what is wrong and returns false.
    bool validateInput();
    // Looks the date up: the sign to show is the last one found (a date the
    // table has no sign for leaves the one found before; before any, there
    // is none).
    std::optional<sign::Sign> lookUpSign();

signals:
    // "Find My &Ardentis", the button or the menu item.
    void findRequested();

private:
    QWidget* makeEntryFrame(QWidget* parent);
    QWidget* makeEntryArea(QWidget* parent);
    void fillDateLists();

    NameBox* m_nameBox = nullptr;
    QComboBox* m_dayList = nullptr;
    QComboBox* m_monthList = nullptr;
    QComboBox* m_yearList = nullptr;
    QPushButton* m_findButton = nullptr;
    OfferFrame* m_offers = nullptr;
    std::optional<sign::Sign> m_lastSign;
};

}  // namespace windows
