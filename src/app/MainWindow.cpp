#include "app/MainWindow.h"

#include "core/ProgramInfo.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lx {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProductName() + QStringLiteral(" - Sans titre"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    status_ = new QLabel(QStringLiteral("Choisissez des mots, puis créez la grille."), central);
    cmdGenerer_ = new QPushButton(QStringLiteral("Créer la grille"), central);
    cmdGenerer_->setObjectName(QStringLiteral("cmdGenerer"));
    cmdGenerer_->setEnabled(false);
    layout->addWidget(status_);
    layout->addWidget(cmdGenerer_);
    layout->addStretch();
    setCentralWidget(central);
    resize(800, 600);
}

} // namespace lx
