#include "CapturedPosition.h"

#include "gamelink/PositionCapture.h"

namespace qv::test {

CapturedPosition capturePosition(const GameProcess& game, bool withAngle) {
    CapturedPosition result;
    const auto into = [](std::string& field) {
        return [&field](const std::string& text) { field = text; };
    };
    CoordinateFields fields{into(result.x), into(result.y), into(result.z), {}};
    if (withAngle) {
        fields.angle = into(result.angle);
    }
    getCoordinates(game, fields,
                   [&result](std::string_view text) { result.warnings.emplace_back(text); });
    return result;
}

}  // namespace qv::test
