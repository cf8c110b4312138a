#pragma once

#include "windows/WrapLabel.h"

// A label that opens a page when clicked, with the pointing-hand pointer.
// To assistive technology it is a link that Press follows.
class LinkLabel : public WrapLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Follows the link, as a click does.
    void click();
    // Another control drawn over it hides it from sight: one laid later in
    // the same place, visible and with a face of its own.
    bool isCovered() const;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};
