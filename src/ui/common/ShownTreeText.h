#pragma once

#include <QString>
#include <string>

namespace qv::ui {

// A node text of the mission's trees as the editor shows it. The trees keep their texts in
// Russian, as the project's companion files hold them; the editor shows their fixed parts in
// its own language ("Машина 3" reads "Car 3" in English), and anything else as it is.
QString shownTreeText(const std::string& text);

}  // namespace qv::ui
