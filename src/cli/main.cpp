// lexigrille-cli: the worksheet engine from the command line, for batch work
// and for checks without a display.
#include "core/ProgramInfo.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

void printHelp(QTextStream& out)
{
    out << "Utilisation : lexigrille-cli [--help] [--version]\n"
           "\n"
           "  --help     affiche cette aide\n"
           "  --version  affiche la version du programme\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        printHelp(out);
        return args.isEmpty() ? 1 : 0;
    }
    if (args.contains(QStringLiteral("--version"))) {
        out << lx::ProductName() << ' ' << lx::ProgramVersion() << '\n';
        return 0;
    }
    err << "Commande inconnue : " << args.front() << "\n";
    printHelp(err);
    return 1;
}
