// Uses one member of the installed platform window library: the name filters a file dialog
// shows for a filter list.

#include "Platform/qt/QtFileDialog.h"

#include <iostream>

int main() {
    const QStringList filters = platform::qtNameFilters({{"Text", "*.txt;*.TXT"}, {"All", "*.*"}});
    std::cout << filters.join(QLatin1Char('|')).toStdString() << '\n';
    return 0;
}
