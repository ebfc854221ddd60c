#pragma once
// The invented vehicle data the demo's diagnostic program talks about: its live-data items, function
// keys and trouble codes. The demo generator writes them into each version's databases, and the
// stand-in diagnostic program names them in its requests, so both sides agree on every key.
#include <cstdint>

struct DEMO_DATA_ITEM {
    uint16_t id;          // the last two bytes of the six-byte key; the first four are zero
    const char* english;
    const char* german;
    const char* unit;     // metric; the shell converts it when British units are chosen
    double low;           // the range the demo's values move in
    double high;
};

// Live-data items of the engine, in the order the selection lists them.
inline constexpr DEMO_DATA_ITEM kDemoEngineItems[] = {
    {0x0201, "Engine speed", "Motordrehzahl", "rpm", 720, 3100},
    {0x0202, "Coolant temperature", "K\xC3\xBChlmitteltemperatur", "\xC2\xB0" "C", 78, 96},
    {0x0203, "Vehicle speed", "Fahrgeschwindigkeit", "km/h", 0, 112},
    {0x0204, "Battery voltage", "Batteriespannung", "V", 13.4, 14.4},
    {0x0205, "Intake manifold pressure", "Saugrohrdruck", "kPa", 32, 98},
    {0x0206, "Intake air temperature", "Ansauglufttemperatur", "\xC2\xB0" "C", 21, 38},
    {0x0207, "Throttle position", "Drosselklappenstellung", "%", 3, 64},
    {0x0208, "Engine load", "Motorlast", "%", 18, 71},
    {0x0209, "Air mass flow", "Luftmassenstrom", "g/s", 2.4, 31},
    {0x020A, "Fuel rail pressure", "Kraftstoffdruck", "kPa", 380, 420},
    {0x020B, "Ignition timing advance", "Z\xC3\xBCndzeitpunkt", "\xC2\xB0", 4, 31},
    {0x020C, "Injection time", "Einspritzzeit", "ms", 2.1, 6.8},
    {0x020D, "Oxygen sensor 1 voltage", "Lambdasonde 1 Spannung", "mV", 90, 860},
    {0x020E, "Short-term fuel trim", "Kurzzeit-Gemischanpassung", "%", -6, 6},
    {0x020F, "Long-term fuel trim", "Langzeit-Gemischanpassung", "%", -2.5, 1.5},
    {0x0210, "Oil temperature", "\xC3\x96ltemperatur", "\xC2\xB0" "C", 84, 104},
    {0x0211, "Ambient air temperature", "Au\xC3\x9F" "entemperatur", "\xC2\xB0" "C", 17, 19},
    {0x0212, "Barometric pressure", "Luftdruck", "kPa", 100.8, 101.4},
    {0x0213, "Accelerator pedal position", "Fahrpedalstellung", "%", 0, 58},
    {0x0214, "Catalyst temperature", "Katalysatortemperatur", "\xC2\xB0" "C", 410, 690},
    {0x0215, "Distance since codes cleared", "Strecke seit L\xC3\xB6schen", "km", 1240, 1241},
    {0x0216, "Fuel level", "Tankinhalt", "%", 62, 63},
    {0x0217, "Idle speed target", "Leerlaufsolldrehzahl", "rpm", 750, 750},
    {0x0218, "Cooling fan duty", "K\xC3\xBChlerl\xC3\xBC" "fter Ansteuerung", "%", 0, 45},
};

// Items the actuator tests and special functions show, and the special functions' keys.
inline constexpr DEMO_DATA_ITEM kDemoFunctionItems[] = {
    {0x0301, "Fuel pump relay", "Kraftstoffpumpenrelais", "", 0, 1},
    {0x0302, "Fuel pump current", "Kraftstoffpumpenstrom", "A", 0, 6.5},
    {0x0303, "Cooling fan speed", "K\xC3\xBChlerl\xC3\xBC" "fterdrehzahl", "rpm", 0, 2600},
    {0x0304, "Throttle adaptation value", "Drosselklappen-Lernwert", "%", 0, 100},
    {0x0305, "Throttle angle", "Drosselklappenwinkel", "\xC2\xB0", 0, 82},
    {0x0380, "Start", "Start", "", 0, 0},
    {0x0381, "Stop", "Stopp", "", 0, 0},
    {0x0382, "Exit", "Ende", "", 0, 0},
};

struct DEMO_TROUBLE_CODE {
    uint16_t key;         // the last two bytes of the six-byte key
    const char* code;
    const char* english;
    const char* german;
};

inline constexpr DEMO_TROUBLE_CODE kDemoTroubleCodes[] = {
    {0x0100, "P0100", "Air mass meter, circuit fault", "Luftmassenmesser, Fehler im Stromkreis"},
    {0x0115, "P0115", "Coolant temperature sensor, circuit fault", "K\xC3\xBChlmitteltemperaturgeber, Fehler im Stromkreis"},
    {0x0300, "P0300", "Misfire detected, several cylinders", "Verbrennungsaussetzer, mehrere Zylinder"},
    {0x0562, "P0562", "Supply voltage too low", "Versorgungsspannung zu niedrig"},
    {0x0731, "P0731", "Gear 1, ratio incorrect", "Gang 1, \xC3\x9C" "bersetzung falsch"},
    {0x0741, "P0741", "Torque converter clutch, stuck open", "Wandler\xC3\xBC" "berbr\xC3\xBC" "ckungskupplung klemmt offen"},
    {0x9001, "B1001", "Driver airbag igniter, resistance too high", "Fahrerairbag Z\xC3\xBCnder, Widerstand zu hoch"},
    {0x9012, "B1012", "Seat belt pretensioner right, short to ground", "Gurtstraffer rechts, Kurzschluss nach Masse"},
};
