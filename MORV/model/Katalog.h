#pragma once
//! The catalogue of standard exchangers, "normmorv.dta", that stands beside the program: a
//! text of items in the sequential item convention, 24 items a record (the code, the 22
//! construction values in the order of the construction boxes, the flow-arrangement flag),
//! one record a line by convention but read as consecutive items whatever the line ends.
//! Nothing in the program writes it.

#include "MorvModel/MorvModelExport.h"
#include "Platform/ItemFile.h"

#include <array>
#include <string>
#include <vector>

namespace morv {

//! The catalogue's file name.
inline constexpr const char* catalogueFileName = "normmorv.dta";
//! Construction values of one record (items 2 to 23).
inline constexpr size_t catalogueValues = 22;

//! One record of the catalogue.
struct CatalogueRecord {
    //! Code of the exchanger: shell diameter in mm (3 digits), passes (1), tube diameter in
    //! mm (2); shown and copied as text, never parsed.
    std::string Kod;
    //! Dplast, Dtrubo, Dtrubi, L [m], Ntrub, Chod, sT, sL, dPrep [m], hPrep, NstredT,
    //! NstredL, Uspor, the four nozzle diameters [m], Drsnost [m], Zneci, Zneco [m2 K/W],
    //! indProti and Vodw [W/m/K]: the values of the construction boxes txtPark(0..21).
    std::array<double, catalogueValues> konstrukce{};
    //! Item 24, the flow arrangement: 0 co-current, any other value counter-current.
    double protiproud = 0.0;
};

//! Reads the next record. A record cut short by the end of the file raises 62; an item that
//! is not a number where a number is due raises 13.
MORVMODEL_EXPORT CatalogueRecord readCatalogueRecord(platform::ItemReader& in);

//! The program's own folders, where its data stand: the executable's folder, then
//! ../share/MORV beside it (the installed layout).
MORVMODEL_EXPORT std::vector<std::string> programFolders();

//! The catalogue in the first of the folders that holds it, its name matched exactly, then
//! without regard to case; "" when none holds it.
MORVMODEL_EXPORT std::string findCatalogue(const std::vector<std::string>& folders);

} // namespace morv
