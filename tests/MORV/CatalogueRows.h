#pragma once
//! The rows of the standard-exchanger catalogue shipped with the program, read for tests.

#include "Platform/ItemFile.h"

#include <string>
#include <vector>

namespace morvtest {

//! One record of the catalogue: 24 items, the lengths in metres.
struct CatalogueRow {
    std::string code;
    double Dplast = 0, Dtrubo = 0, sT = 0, sL = 0;
    int Ntrub = 0, Chod = 0, NstredT = 0, NstredL = 0, Uspor = 0;
};

//! Every row of the catalogue file at `path`.
inline std::vector<CatalogueRow> readCatalogue(const std::string& path) {
    platform::ItemReader in(path);
    std::vector<CatalogueRow> rows;
    while (!in.atEnd()) {
        std::vector<double> v(24);
        CatalogueRow row;
        row.code = in.readString();
        for (int i = 2; i <= 24; ++i)
            v[size_t(i - 1)] = in.readDouble();
        row.Dplast = v[1], row.Dtrubo = v[2], row.Ntrub = int(v[5]), row.Chod = int(v[6]);
        row.sT = v[7], row.sL = v[8], row.NstredT = int(v[11]), row.NstredL = int(v[12]),
        row.Uspor = int(v[13]);
        rows.push_back(row);
    }
    return rows;
}

//! The single-pass rows: those whose counts the tube-sheet layout gives.
inline std::vector<CatalogueRow> singlePassRows(const std::string& path) {
    std::vector<CatalogueRow> out;
    for (const auto& row : readCatalogue(path))
        if (row.Chod == 1) out.push_back(row);
    return out;
}

} // namespace morvtest
