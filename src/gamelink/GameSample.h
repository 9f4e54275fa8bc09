#pragma once

namespace qv {

// One reading of the player out of the running game.
struct GameSample {
    double time = 0;            // seconds since the recording began
    bool inVehicle = false;     // false: the player is on foot (model and speed are unset; the
                                // position and heading are the player's own)
    float x = 0, y = 0, z = 0;  // the vehicle's position
    float heading = 0;          // degrees 0..360, 0 = north, growing anticlockwise
    int model = 0;              // the vehicle's model id (400..611 for the game's own)
    float speed = 0;            // as the script counts speed: |velocity| x 50
    bool horn = false;          // the horn is held down (false while controls are off)
    bool controlsOff = false;   // the player's controls are switched off
};

}  // namespace qv
