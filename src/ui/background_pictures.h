#pragma once

#include <QString>

namespace zaf::gui {

/// The window's background picture slots, read from the program directory's `backgrounds`
/// folder: slot n comes from "n.bmp", else from "n.jpg", else it stays empty.
enum BackgroundSlot {
    LeftPanelBackground = 1,
    BottomBarBackground = 2,
    DiversBackground = 3, ///< also every page without a picture of its own
    DiveLogBackground = 4, ///< also the Others' Logs page
    DiveSiteBackground = 5,
    DiveResourcesBackground = 6,
    TripReportBackground = 7,
    EquipmentBackground = 8,
    ProfileGraphBackground = 9,
    PicturesBackground = 10,
    SearchBackground = 11,
    StatisticsBackground = 12,
    BackgroundSlotCount = 13 ///< slots are numbered from 1
};

/// The file that fills `slot` from `directory`: the ".bmp" when it exists, else the ".jpg"
/// when it exists, else empty.
QString backgroundFile(const QString& directory, int slot);

} // namespace zaf::gui
