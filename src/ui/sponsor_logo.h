#pragma once

#include <QString>

namespace zaf::gui {

/// A sponsor logo beside the program: "logo<n>.zaf" (text lines) with "logo<n>.jpg".
struct SponsorLogo {
    QString hint;         ///< line 1: shown over the logo
    QString target;       ///< line 2: opened when the logo is clicked
    QString newsPage;     ///< line 5: a page the news window shows
    QString boardSection; ///< line 6: an extra message-board section
    QString imageFile;    ///< the picture shown

    /// Reads logo n from the program directory; false when either file is missing or
    /// unreadable. Each line counts at most 80 characters; missing lines read as empty.
    static bool read(int n, SponsorLogo& logo);
};

} // namespace zaf::gui
