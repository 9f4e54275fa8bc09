#pragma once

#include <cstdint>

// Where the game keeps the player's position and heading. These fixed addresses of the game's
// 32-bit process are part of the interface with the game and are used exactly as they are.
namespace qv::game_memory {

// The player object.
inline constexpr std::uint32_t PlayerPointer = 0xB6F5F0;
// Another object, standing in when the player object has no matrix (for example in a car).
inline constexpr std::uint32_t FallbackPointer = 0xB7F418;

// Offsets from an object.
inline constexpr std::uint32_t MatrixOffset = 0x14;
inline constexpr std::uint32_t HeadingOffset = 0x55C;  // radians, single float

// Offsets from a matrix, single floats.
inline constexpr std::uint32_t XOffset = 0x30;
inline constexpr std::uint32_t YOffset = 0x34;
inline constexpr std::uint32_t ZOffset = 0x38;

}  // namespace qv::game_memory

// What the route recorder reads: the player's vehicle, its speed and model, and the horn.
// GTA: San Andreas 1.0 (US), 32-bit pointers; names after the game's own classes.
namespace qv::game_memory::recorder {

// CWorld::Players[0].m_pPed: the pointer to the player's ped (CPlayerPed).
inline constexpr std::uint32_t PlayerPed = 0xB7CD98;

// Offsets from the ped.
// CPed::m_nPedFlags, first 32-bit word: bInVehicle is bit 8.
inline constexpr std::uint32_t PedFlagsOffset = 0x46C;
inline constexpr std::uint32_t InVehicleFlag = 0x100;
// CPed::m_pVehicle: the vehicle the ped sits in.
inline constexpr std::uint32_t PedVehicleOffset = 0x58C;

// Offsets from any entity (CPlaceable / CEntity).
// CPlaceable::m_matrix: the pointer to the entity's CMatrix.
inline constexpr std::uint32_t EntityMatrixOffset = 0x14;
// CEntity::m_nModelIndex, int16.
inline constexpr std::uint32_t ModelOffset = 0x22;
// CPhysical::m_vecMoveSpeed: three floats, in units per frame of 1/50 s; x 50 is the speed
// the script's GET_CAR_SPEED gives.
inline constexpr std::uint32_t MoveSpeedOffset = 0x44;
inline constexpr float ScriptSpeedScale = 50.0f;

// Offsets from a CMatrix, floats: the forward vector (the "at" row) and the position.
inline constexpr std::uint32_t ForwardXOffset = 0x10;
inline constexpr std::uint32_t ForwardYOffset = 0x14;
inline constexpr std::uint32_t PositionXOffset = 0x30;
inline constexpr std::uint32_t PositionYOffset = 0x34;
inline constexpr std::uint32_t PositionZOffset = 0x38;

// CPad::Pads[0], the player's pad.
inline constexpr std::uint32_t PlayerPad = 0xB73458;
// Offsets from the pad, int16 each. CPad::Mode chooses which button is the horn
// (CPad::GetHorn): NewState.ShockButtonL in modes 0 and 3, NewState.LeftShoulder1 in mode 1,
// NewState.RightShoulder1 in mode 2 (CControllerState: LeftShoulder1 at 0x08,
// RightShoulder1 at 0x0C, ShockButtonL at 0x24).
inline constexpr std::uint32_t PadModeOffset = 0x10A;
inline constexpr std::uint32_t HornMode0Offset = 0x24;
inline constexpr std::uint32_t HornMode1Offset = 0x08;
inline constexpr std::uint32_t HornMode2Offset = 0x0C;
// CPad::DisablePlayerControls: not 0 while the player's controls are off.
inline constexpr std::uint32_t ControlsOffOffset = 0x10E;
// The pad's bytes the recorder reads, from its start.
inline constexpr std::uint32_t PadSize = 0x110;

}  // namespace qv::game_memory::recorder
