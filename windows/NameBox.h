#pragma once

#include <QLineEdit>

namespace windows {

// The entry window's name box (txtName): letters only, always in capitals.
// Each typed character is taken as it is, turned into its capital or
// refused; text cannot come in any other way (no pasting, dropping or
// composing), so every character passes the same test.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

signals:
    // A key was pressed that would type something other than a letter.
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Takes a typed character the box would not type itself.
    void take(QChar character, QKeyEvent* event);
    void refuse(QKeyEvent* event);
};

}  // namespace windows
