// The floor for tzolkara-cli: a console program on QtCore that prints one line.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::puts("4 Ajaw 3 K'ank'in");
    return 0;
}
