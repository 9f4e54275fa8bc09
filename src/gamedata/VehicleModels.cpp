#include "gamedata/VehicleModels.h"

#include <algorithm>
#include <array>

#include "platform/AsciiCase.h"
#include "platform/Translation.h"

namespace qv {

namespace {

using enum VehicleKind;

// The vehicles of the game's vehicles.ide, in the order of their numbers. The hovercraft
// (VORTEX) and the quad bike count as a car and a bike: both drive on roads.
constexpr std::array<VehicleModel, LastVehicleId - FirstVehicleId + 1> Models{{
    {400, "LANDSTAL", Car},      {401, "BRAVURA", Car},       {402, "BUFFALO", Car},
    {403, "LINERUN", Car},       {404, "PEREN", Car},         {405, "SENTINEL", Car},
    {406, "DUMPER", Car},        {407, "FIRETRUK", Car},      {408, "TRASH", Car},
    {409, "STRETCH", Car},       {410, "MANANA", Car},        {411, "INFERNUS", Car},
    {412, "VOODOO", Car},        {413, "PONY", Car},          {414, "MULE", Car},
    {415, "CHEETAH", Car},       {416, "AMBULAN", Car},       {417, "LEVIATHN", Aircraft},
    {418, "MOONBEAM", Car},      {419, "ESPERANT", Car},      {420, "TAXI", Car},
    {421, "WASHING", Car},       {422, "BOBCAT", Car},        {423, "MRWHOOP", Car},
    {424, "BFINJECT", Car},      {425, "HUNTER", Aircraft},   {426, "PREMIER", Car},
    {427, "ENFORCER", Car},      {428, "SECURICA", Car},      {429, "BANSHEE", Car},
    {430, "PREDATOR", Boat},     {431, "BUS", Car},           {432, "RHINO", Car},
    {433, "BARRACKS", Car},      {434, "HOTKNIFE", Car},      {435, "ARTICT1", Trailer},
    {436, "PREVION", Car},       {437, "COACH", Car},         {438, "CABBIE", Car},
    {439, "STALLION", Car},      {440, "RUMPO", Car},         {441, "RCBANDIT", Car},
    {442, "ROMERO", Car},        {443, "PACKER", Car},        {444, "MONSTER", Car},
    {445, "ADMIRAL", Car},       {446, "SQUALO", Boat},       {447, "SEASPAR", Aircraft},
    {448, "PIZZABOY", Bike},     {449, "TRAM", Train},        {450, "ARTICT2", Trailer},
    {451, "TURISMO", Car},       {452, "SPEEDER", Boat},      {453, "REEFER", Boat},
    {454, "TROPIC", Boat},       {455, "FLATBED", Car},       {456, "YANKEE", Car},
    {457, "CADDY", Car},         {458, "SOLAIR", Car},        {459, "TOPFUN", Car},
    {460, "SKIMMER", Aircraft},  {461, "PCJ600", Bike},       {462, "FAGGIO", Bike},
    {463, "FREEWAY", Bike},      {464, "RCBARON", Aircraft},  {465, "RCRAIDER", Aircraft},
    {466, "GLENDALE", Car},      {467, "OCEANIC", Car},       {468, "SANCHEZ", Bike},
    {469, "SPARROW", Aircraft},  {470, "PATRIOT", Car},       {471, "QUAD", Bike},
    {472, "COASTG", Boat},       {473, "DINGHY", Boat},       {474, "HERMES", Car},
    {475, "SABRE", Car},         {476, "RUSTLER", Aircraft},  {477, "ZR350", Car},
    {478, "WALTON", Car},        {479, "REGINA", Car},        {480, "COMET", Car},
    {481, "BMX", Bike},          {482, "BURRITO", Car},       {483, "CAMPER", Car},
    {484, "MARQUIS", Boat},      {485, "BAGGAGE", Car},       {486, "DOZER", Car},
    {487, "MAVERICK", Aircraft}, {488, "VCNMAV", Aircraft},   {489, "RANCHER", Car},
    {490, "FBIRANCH", Car},      {491, "VIRGO", Car},         {492, "GREENWOO", Car},
    {493, "JETMAX", Boat},       {494, "HOTRING", Car},       {495, "SANDKING", Car},
    {496, "BLISTAC", Car},       {497, "POLMAV", Aircraft},   {498, "BOXVILLE", Car},
    {499, "BENSON", Car},        {500, "MESA", Car},          {501, "RCGOBLIN", Aircraft},
    {502, "HOTRINA", Car},       {503, "HOTRINB", Car},       {504, "BLOODRA", Car},
    {505, "RNCHLURE", Car},      {506, "SUPERGT", Car},       {507, "ELEGANT", Car},
    {508, "JOURNEY", Car},       {509, "BIKE", Bike},         {510, "MTBIKE", Bike},
    {511, "BEAGLE", Aircraft},   {512, "CROPDUST", Aircraft}, {513, "STUNT", Aircraft},
    {514, "PETRO", Car},         {515, "RDTRAIN", Car},       {516, "NEBULA", Car},
    {517, "MAJESTIC", Car},      {518, "BUCCANEE", Car},      {519, "SHAMAL", Aircraft},
    {520, "HYDRA", Aircraft},    {521, "FCR900", Bike},       {522, "NRG500", Bike},
    {523, "COPBIKE", Bike},      {524, "CEMENT", Car},        {525, "TOWTRUCK", Car},
    {526, "FORTUNE", Car},       {527, "CADRONA", Car},       {528, "FBITRUCK", Car},
    {529, "WILLARD", Car},       {530, "FORKLIFT", Car},      {531, "TRACTOR", Car},
    {532, "COMBINE", Car},       {533, "FELTZER", Car},       {534, "REMINGTN", Car},
    {535, "SLAMVAN", Car},       {536, "BLADE", Car},         {537, "FREIGHT", Train},
    {538, "STREAK", Train},      {539, "VORTEX", Car},        {540, "VINCENT", Car},
    {541, "BULLET", Car},        {542, "CLOVER", Car},        {543, "SADLER", Car},
    {544, "FIRELA", Car},        {545, "HUSTLER", Car},       {546, "INTRUDER", Car},
    {547, "PRIMO", Car},         {548, "CARGOBOB", Aircraft}, {549, "TAMPA", Car},
    {550, "SUNRISE", Car},       {551, "MERIT", Car},         {552, "UTILITY", Car},
    {553, "NEVADA", Aircraft},   {554, "YOSEMITE", Car},      {555, "WINDSOR", Car},
    {556, "MONSTERA", Car},      {557, "MONSTERB", Car},      {558, "URANUS", Car},
    {559, "JESTER", Car},        {560, "SULTAN", Car},        {561, "STRATUM", Car},
    {562, "ELEGY", Car},         {563, "RAINDANC", Aircraft}, {564, "RCTIGER", Car},
    {565, "FLASH", Car},         {566, "TAHOMA", Car},        {567, "SAVANNA", Car},
    {568, "BANDITO", Car},       {569, "FREIFLAT", Train},    {570, "STREAKC", Train},
    {571, "KART", Car},          {572, "MOWER", Car},         {573, "DUNERIDE", Car},
    {574, "SWEEPER", Car},       {575, "BROADWAY", Car},      {576, "TORNADO", Car},
    {577, "AT400", Aircraft},    {578, "DFT30", Car},         {579, "HUNTLEY", Car},
    {580, "STAFFORD", Car},      {581, "BF400", Bike},        {582, "NEWSVAN", Car},
    {583, "TUG", Car},           {584, "PETROTR", Trailer},   {585, "EMPEROR", Car},
    {586, "WAYFARER", Bike},     {587, "EUROS", Car},         {588, "HOTDOG", Car},
    {589, "CLUB", Car},          {590, "FREIBOX", Train},     {591, "ARTICT3", Trailer},
    {592, "ANDROM", Aircraft},   {593, "DODO", Aircraft},     {594, "RCCAM", Car},
    {595, "LAUNCH", Boat},       {596, "COPCARLA", Car},      {597, "COPCARSF", Car},
    {598, "COPCARVG", Car},      {599, "COPCARRU", Car},      {600, "PICADOR", Car},
    {601, "SWATVAN", Car},       {602, "ALPHA", Car},         {603, "PHOENIX", Car},
    {604, "GLENSHIT", Car},      {605, "SADLSHIT", Car},      {606, "BAGBOXA", Trailer},
    {607, "BAGBOXB", Trailer},   {608, "TUGSTAIR", Trailer},  {609, "BOXBURG", Car},
    {610, "FARMTR1", Trailer},   {611, "UTILTR1", Trailer},
}};

}  // namespace

std::span<const VehicleModel> vehicleModels() {
    return Models;
}

const VehicleModel* findVehicleModel(std::string_view name) {
    const auto found = std::ranges::find_if(Models, [name](const VehicleModel& model) {
        return equalIgnoringAsciiCase(model.name, name);
    });
    return found == Models.end() ? nullptr : &*found;
}

std::string vehicleKindName(VehicleKind kind) {
    switch (kind) {
        case Car:
            return translate("VehicleModels", "автомобиль");
        case Bike:
            return translate("VehicleModels", "мотоцикл");
        case Boat:
            return translate("VehicleModels", "лодка");
        case Aircraft:
            return translate("VehicleModels", "самолёт или вертолёт");
        case Train:
            return translate("VehicleModels", "поезд");
        case Trailer:
            return translate("VehicleModels", "прицеп");
    }
    return {};
}

bool racesOnRoads(VehicleKind kind) {
    return kind == Car || kind == Bike;
}

}  // namespace qv
