// The floor QX Ardentis is measured against: the least a Qt Widgets program
// needs to show a window like the entry window, a name box, three filled
// date lists and a button, at about the same size.
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* grid = new QGridLayout(&window);
    grid->addWidget(new QLineEdit(&window), 0, 0, 1, 3);
    auto* days = new QComboBox(&window);
    auto* months = new QComboBox(&window);
    auto* years = new QComboBox(&window);
    for (int day = 1; day <= 31; ++day)
        days->addItem(QString::number(day));
    for (int month = 1; month <= 12; ++month)
        months->addItem(QStringLiteral("Month %1").arg(month));
    for (int year = 1930; year <= 2012; ++year)
        years->addItem(QString::number(year));
    grid->addWidget(days, 1, 0);
    grid->addWidget(months, 1, 1);
    grid->addWidget(years, 1, 2);
    grid->addWidget(new QPushButton(QStringLiteral("Find"), &window), 2, 1);
    window.resize(520, 370);
    window.show();
    return QApplication::exec();
}
