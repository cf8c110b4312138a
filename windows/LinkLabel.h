#pragma once

#include <QLabel>

namespace windows {

// A label that opens a page when clicked, with the pointing-hand pointer.
// To assistive technology it is a link that Press follows.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Follows the link, as a click does, if it is in view.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace windows
