#pragma once

#include "sign/Sign.h"
#include "windows/ProgramWindow.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class LinkLabel;

// The entry window (frmMain): a name and a date of birth in, a warrior sign
// out. Its controls keep their given names as object names.
class EntryWindow : public ProgramWindow {
    Q_OBJECT
public:
    explicit EntryWindow(QWidget* parent = nullptr);

    // The two offers share one place; the one in front is the one seen.
    enum class Offer { FullBrand, CoBrand };
    void bringOfferToFront(Offer offer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillDateLists();
    // Checks the name and the date; shows what is wrong and returns false.
    bool validateInput();
    // "Find My &Ardentis": the sign of the date, shown in the result window.
    void find();
    // Filters one typed character of the name; sets it to 0 to drop it.
    void filterNameKey(int& keyAscii);
    bool filterNameBoxKey(const QKeyEvent* key);

    QLineEdit* m_nameBox;
    QComboBox* m_dayList;
    QComboBox* m_monthList;
    QComboBox* m_yearList;
    QPushButton* m_findButton;
    LinkLabel* m_fullBrandOffer;
    LinkLabel* m_coBrandOffer;
    // The last sign a find found: a date the table has no sign for leaves
    // the one shown before.
    std::optional<sign::Sign> m_lastSign;
};
