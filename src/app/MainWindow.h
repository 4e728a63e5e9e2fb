#pragma once

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace lx {

// The main window. For now it only shows the product and the button that
// will create the worksheet; the panels come with the document settings.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    QPushButton* cmdGenerer_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace lx
