#pragma once

#include <QGroupBox>

namespace windows {

// The banner at the top of the entry and result windows (Frame2): the
// maker's discussion board, a link to its home page.
class Banner : public QGroupBox {
    Q_OBJECT
public:
    explicit Banner(QWidget* parent = nullptr);
};

}  // namespace windows
