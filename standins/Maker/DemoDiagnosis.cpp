#include "DemoDiagnosis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "DemoVehicleData.h"

namespace {

constexpr int kBack = -1;
constexpr DWORD kPollMs = 150;

// Message and picture box types (the keys they show).
constexpr uint16_t kOk = 1, kCancel = 2, kOkCancel = 3, kYesNo = 4, kYesNoCancel = 5, kRetryCancel = 6,
                   kAbortRetryIgnore = 7, kIgnoreAbort = 8, kPolledOk = 9, kNextCancel = 0x16,
                   kPreviousNextCancel = 0x17, kPreviousFinish = 0x19, kNoKeys = 0;
// Their answer codes.
constexpr int kCodeOk = 1, kCodeCancel = 2, kCodeYes = 3, kCodePrevious = 8, kCodeNext = 9, kCodeFinish = 10;

const DEMO_DATA_ITEM* FindItem(uint16_t id)
{
    for (const DEMO_DATA_ITEM& item : kDemoEngineItems)
        if (item.id == id)
            return &item;
    for (const DEMO_DATA_ITEM& item : kDemoFunctionItems)
        if (item.id == id)
            return &item;
    return nullptr;
}

std::string Number(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.*f", decimals, value);
    return text;
}

// Small ranges are shown with a decimal, as a real control unit scales them.
int DecimalsFor(const DEMO_DATA_ITEM& item) { return item.high - item.low < 20 ? 1 : 0; }

}  // namespace

int CDemoDiagnosis::Run()
{
    if (!m_maker.Connect(30000))
        return m_maker.Result();
    if (!Send(CRequest(0xFF).Text("DEMO").Text("3.25").Text("1.0"), "start"))
        return m_maker.Result();
    RememberSession();
    const std::vector<SYSTEM> systems = Systems();
    std::vector<std::string> items = {Say("Short test of all systems", "Kurztest aller Systeme")};
    for (const SYSTEM& system : systems)
        items.push_back(Say(system.english, system.german));
    while (Alive()) {
        const int chosen = Menu(Say("System selection", "Systemauswahl"), items);
        if (chosen == kBack)
            break;
        if (chosen == 0)
            ShortTest();
        else if (static_cast<size_t>(chosen) <= systems.size())
            RunSystem(systems[static_cast<size_t>(chosen) - 1], static_cast<size_t>(chosen) - 1);
    }
    if (Alive())
        m_maker.Send(CRequest(0xFE), "end");
    return m_maker.Result();
}

bool CDemoDiagnosis::Send(const CRequest& request, const std::string& summary)
{
    if (m_failed)
        return false;
    m_failed = !m_maker.Send(request, summary);
    return !m_failed;
}

int CDemoDiagnosis::Menu(const std::string& title, const std::vector<std::string>& items)
{
    if (!Send(MenuRequest(-1, 0, title, items), "menu " + title))
        return kBack;
    const int row = m_maker.AnswerWord(4, 0xFFFF);
    return row == 0xFFFF ? kBack : row;
}

int CDemoDiagnosis::Message(uint16_t type, const std::string& text, const std::string& title)
{
    if (!Send(MessageRequest(type, text, title), "message " + title))
        return -1;
    return m_maker.AnswerByte(4);
}

void CDemoDiagnosis::Pause(DWORD ms)
{
    Sleep(ms);
    while (m_maker.TakeKey() != 0) {
    }
}

double CDemoDiagnosis::Wave(double low, double high, double period) const
{
    const double seconds = (GetTickCount() - m_startTick) / 1000.0;
    return low + (high - low) * (0.5 + 0.5 * std::sin(2 * 3.14159265358979 * seconds / period + low));
}

// The start answer names the software folder and the language; a saved selection of four items lies
// in the folder's "save" for the live-data selection to load.
void CDemoDiagnosis::RememberSession()
{
    const std::string folder = m_maker.AnswerText(4);
    m_german = m_maker.AnswerText(4 + folder.size() + 1) == "DE";
    if (!folder.empty())
        WriteSavedSelection(folder + "\\");
}

void CDemoDiagnosis::WriteSavedSelection(const std::string& folder) const
{
    const std::string save = folder + "save";
    CreateDirectoryA(save.c_str(), nullptr);
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    char name[32];
    std::snprintf(name, sizeof(name), "\\%04u%02u%02u.txt", today.wYear, today.wMonth, today.wDay);
    const std::string path = save + name;
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;  // the user's own record of the day stays
    std::ofstream(path, std::ios::binary) << folder << "\n4\n0;2;3;6;\n";
}

std::vector<CDemoDiagnosis::SYSTEM> CDemoDiagnosis::Systems() const
{
    using F = FUNCTION;
    return {
        {"Engine", "Motor",
         {F::ReadCodes, F::ClearCodes, F::LiveData, F::ActuatorTests, F::SpecialFunctions, F::ComponentStatus,
          F::VersionInformation}},
        {"Automatic transmission", "Automatikgetriebe", {F::ReadCodes, F::ClearCodes, F::LiveData, F::VersionInformation}},
        {"Anti-lock brakes", "Antiblockiersystem", {F::ReadCodes, F::ClearCodes, F::SensorPictures, F::VersionInformation}},
        {"Airbag", "Airbag", {F::ReadCodes, F::ClearCodes, F::VersionInformation}},
        {"Body control", "Karosseriesteuerung", {F::ReadCodes, F::ServiceMessages, F::VersionInformation}},
    };
}

std::string CDemoDiagnosis::FunctionName(FUNCTION function) const
{
    switch (function) {
    case FUNCTION::ReadCodes: return Say("Read trouble codes", "Fehlerspeicher lesen");
    case FUNCTION::ClearCodes: return Say("Clear trouble codes", "Fehlerspeicher l\xC3\xB6schen");
    case FUNCTION::LiveData: return Say("Live data", "Istwerte");
    case FUNCTION::ActuatorTests: return Say("Actuator tests", "Stellgliedtests");
    case FUNCTION::SpecialFunctions: return Say("Special functions", "Sonderfunktionen");
    case FUNCTION::ShortTest: return Say("Short test", "Kurztest");
    case FUNCTION::ComponentStatus: return Say("Component status", "Bauteilzustand");
    case FUNCTION::SensorPictures: return Say("Wheel speed sensors", "Raddrehzahlsensoren");
    case FUNCTION::ServiceMessages: return Say("Service functions", "Servicefunktionen");
    case FUNCTION::VersionInformation: return Say("Version information", "Versionsinformation");
    }
    return {};
}

void CDemoDiagnosis::RunSystem(const SYSTEM& system, size_t index)
{
    std::vector<std::string> items;
    for (FUNCTION function : system.functions)
        items.push_back(FunctionName(function));
    while (Alive()) {
        const int chosen = Menu(Say(system.english, system.german), items);
        if (chosen == kBack)
            return;
        if (static_cast<size_t>(chosen) < system.functions.size())
            RunFunction(system.functions[static_cast<size_t>(chosen)], system, index);
    }
}

void CDemoDiagnosis::RunFunction(FUNCTION function, const SYSTEM& system, size_t index)
{
    switch (function) {
    case FUNCTION::ReadCodes: return ReadCodes(system, index);
    case FUNCTION::ClearCodes: return ClearCodes(system);
    case FUNCTION::LiveData: return LiveData(system);
    case FUNCTION::ActuatorTests: return ActuatorTests();
    case FUNCTION::SpecialFunctions: return SpecialFunctions();
    case FUNCTION::ShortTest: return ShortTest();
    case FUNCTION::ComponentStatus: return ComponentStatus();
    case FUNCTION::SensorPictures: return SensorPictures();
    case FUNCTION::ServiceMessages: return ServiceMessages();
    case FUNCTION::VersionInformation: return VersionInformation(system, index);
    }
}

// The engine, the transmission and the airbag name their codes by database keys (one code the
// database lacks, one with its own display code); the brakes and the body send the texts.
void CDemoDiagnosis::ReadCodes(const SYSTEM& system, size_t index)
{
    const std::string current = Say("Current", "Aktuell"), stored = Say("Stored", "Gespeichert"),
                      sporadic = Say("Intermittent", "Sporadisch");
    std::vector<DTC_ENTRY> codes;
    bool texts = false;
    switch (index) {
    case 0: codes = {{0x0100, "", "", current, ""}, {0x0115, "", "", stored, ""}, {0x0300, "", "", sporadic, "P0300"},
                     {0x0562, "", "", stored, ""}, {0x1247, "", "", stored, ""}};
        break;
    case 1: codes = {{0x0731, "", "", current, ""}, {0x0741, "", "", stored, ""}};
        break;
    case 3: codes = {{0x9001, "", "", current, ""}, {0x9012, "", "", stored, ""}};
        break;
    case 2:
        texts = true;
        codes = {{0, "C1603", Say("Wheel speed sensor front left, no signal", "Raddrehzahlsensor vorn links, kein Signal"), current, ""},
                 {0, "C1095", Say("Return pump motor, circuit open", "R\xC3\xBC" "ckf\xC3\xB6rderpumpe, Unterbrechung"), stored, ""}};
        break;
    default:
        texts = true;
        codes = {{0, "B2310", Say("Driver door lock motor, blocked", "Zentralverriegelung Fahrert\xC3\xBCr, blockiert"), sporadic, ""},
                 {0, "U0140", Say("No communication with the body module", "Keine Kommunikation mit dem Karosseriemodul"), stored, ""}};
        break;
    }
    const std::string reading = Say("Reading trouble codes...", "Fehlerspeicher wird gelesen...");
    for (int percent : {40, 100}) {
        if (!Send(ProgressRequest(percent, reading, false), "progress"))
            return;
        Sleep(kPollMs);
    }
    const std::string title = Say(system.english, system.german) + ": " + Say("trouble codes", "Fehlercodes");
    while (Send(DtcRequest(title, codes, texts), std::string("trouble-codes ") + system.english)) {
        if (m_maker.AnswerByte(4) == 11)
            return;
    }
}

void CDemoDiagnosis::ClearCodes(const SYSTEM& system)
{
    const std::string title = Say("Clear trouble codes", "Fehlerspeicher l\xC3\xB6schen");
    const std::string question =
        Say("Clear all trouble codes of the system \"", "Alle Fehlercodes des Systems \"") + Say(system.english, system.german) +
        Say("\"?\r\nSwitch the ignition on and keep the engine off.", "\" l\xC3\xB6schen?\r\nZ\xC3\xBCndung ein, Motor aus.");
    if (Message(kYesNo, question, title) != kCodeYes)
        return;
    bool cancelled = false;
    for (int percent = 0; percent <= 100 && !cancelled; percent += 10) {
        if (!Send(ProgressRequest(percent, Say("Clearing trouble codes...", "Fehlerspeicher wird gel\xC3\xB6scht..."), false),
                  "progress clear"))
            return;
        cancelled = m_maker.AnswerByte(4) == kCodeCancel;
        Sleep(250);
    }
    Message(kOk,
            cancelled ? Say("Clearing was cancelled. Some trouble codes may remain stored.",
                            "Das L\xC3\xB6schen wurde abgebrochen. Einige Fehlercodes k\xC3\xB6nnen gespeichert bleiben.")
                      : Say("The trouble codes were cleared.", "Der Fehlerspeicher wurde gel\xC3\xB6scht."),
            title);
}

// The items are chosen first; Back on the live data returns to the choice.
void CDemoDiagnosis::LiveData(const SYSTEM& system)
{
    std::vector<uint16_t> ids;
    std::vector<std::string> names;
    for (const DEMO_DATA_ITEM& item : kDemoEngineItems) {
        if (system.english == std::string("Engine") || item.id <= 0x0208 || item.id == 0x0210) {
            ids.push_back(item.id);
            names.push_back(Say(item.english, item.german));
        }
    }
    const std::string title = Say(system.english, system.german) + ": " + Say("live data", "Istwerte");
    const std::string hint = Say("Choose the items to show and press Accept. Up to 4 items can be recorded.",
                                 "Anzuzeigende Werte w\xC3\xA4hlen und \xC3\xBC" "bernehmen. Bis zu 4 Werte lassen sich aufzeichnen.");
    while (Send(SelectionRequest(Say("Select data items", "Messwerte ausw\xC3\xA4hlen"), names, 4, hint), "select-items")) {
        if (m_maker.AnswerByte(4) != 1)
            return;
        std::vector<uint16_t> chosen;
        for (size_t row = 0; row < ids.size(); ++row) {
            const int bits = m_maker.AnswerByte(7 + row / 8, 0);
            if (bits & (0x80 >> (row % 8)))
                chosen.push_back(ids[row]);
        }
        if (chosen.empty())
            Message(kOk, Say("Choose at least one item.", "Bitte mindestens einen Wert w\xC3\xA4hlen."), title);
        else
            ShowLiveData(title, chosen);
    }
}

void CDemoDiagnosis::ShowLiveData(const std::string& title, const std::vector<uint16_t>& items)
{
    while (Alive()) {
        std::vector<ID_VALUE> values;
        for (uint16_t id : items) {
            const DEMO_DATA_ITEM* item = FindItem(id);
            values.push_back({id, Number(Wave(item->low, item->high, 6.0 + id % 7), DecimalsFor(*item))});
        }
        if (!Send(LiveDataRequest(title, values), "live-data") || m_maker.AnswerByte(4) == 11)
            return;
        Pause(kPollMs);
    }
}

void CDemoDiagnosis::ActuatorTests()
{
    const std::vector<std::string> tests = {Say("Fuel pump relay", "Kraftstoffpumpenrelais"),
                                            Say("Radiator cooling fan", "K\xC3\xBChlerl\xC3\xBC" "fter")};
    while (Alive()) {
        const int chosen = Menu(Say("Actuator tests", "Stellgliedtests"), tests);
        if (chosen == kBack)
            return;
        if (chosen == 0)
            FuelPumpTest();
        else
            CoolingFanTest();
    }
}

// Key mode: the values keep coming while the keys travel through the mailbox. The pump stops by
// itself after ten seconds, as a control unit guards it.
void CDemoDiagnosis::FuelPumpTest()
{
    const std::vector<std::string> buttons = {Say("On", "Ein"), Say("Off", "Aus"), Say("Exit", "Ende")};
    const std::string help = Say("Press On to run the fuel pump; it stops by itself after 10 s.",
                                 "Ein startet die Kraftstoffpumpe; sie stoppt nach 10 s von selbst.");
    DWORD runningSince = 0;
    while (Alive()) {
        const bool on = runningSince && GetTickCount() - runningSince < 10000;
        const std::vector<ID_VALUE> rows = {{0x0301, on ? Say("On", "Ein") : Say("Off", "Aus")},
                                            {0x0302, Number(on ? Wave(4.6, 5.4, 3) : 0.0, 1)},
                                            {0x020A, Number(on ? Wave(395, 410, 4) : 0.0, 0)}};
        if (!Send(ActuatorRequest(Say("Fuel pump relay", "Kraftstoffpumpenrelais"), buttons, rows, false, help),
                  "actuator fuel-pump"))
            return;
        Sleep(kPollMs);
        const int key = m_maker.TakeKey();
        if (key == 1)
            runningSince = GetTickCount();
        else if (key == 2)
            runningSince = 0;
        else if (key == 3)
            return;
    }
}

// Answer mode: each step waits for a button (or a row, which changes nothing).
void CDemoDiagnosis::CoolingFanTest()
{
    const std::vector<std::string> buttons = {Say("Off", "Aus"), Say("Low", "Stufe1"), Say("High", "Stufe2"),
                                              Say("Exit", "Ende")};
    int stage = 0;
    while (Alive()) {
        const std::vector<ID_VALUE> rows = {{0x0303, std::to_string(stage * 1200)},
                                            {0x0218, std::to_string(stage * 45)},
                                            {0x0202, Number(Wave(88, 94, 20), 0)}};
        if (!Send(ActuatorRequest(Say("Radiator cooling fan", "K\xC3\xBChlerl\xC3\xBC" "fter"), buttons, rows, true, ""),
                  "actuator cooling-fan"))
            return;
        const int key = m_maker.AnswerByte(4);
        if (key == 3)
            return;
        if (key >= 0 && key <= 2)
            stage = key;
    }
}

void CDemoDiagnosis::SpecialFunctions()
{
    const std::vector<std::string> functions = {Say("Throttle body adaptation", "Drosselklappe anlernen"),
                                                Say("Idle speed adjustment", "Leerlaufdrehzahl einstellen")};
    while (Alive()) {
        const int chosen = Menu(Say("Special functions", "Sonderfunktionen"), functions);
        if (chosen == kBack)
            return;
        if (chosen == 0)
            ThrottleAdaptation();
        else
            IdleSpeedSetting();
    }
}

// Polled: the function key pressed since the last request comes with each answer (0 Start, 1 Stop,
// 2 Exit); the status line and bar follow the adaptation value.
void CDemoDiagnosis::ThrottleAdaptation()
{
    const std::string title = Say("Throttle body adaptation", "Drosselklappe anlernen");
    const std::string ready = Say("Switch the ignition on and keep the accelerator pedal released, then press Start.\r\n"
                                  "The throttle is closed and opened once to learn its end positions.",
                                  "Z\xC3\xBCndung ein, Fahrpedal nicht bet\xC3\xA4tigen, dann Start dr\xC3\xBC" "cken.\r\n"
                                  "Die Drosselklappe wird einmal geschlossen und ge\xC3\xB6" "ffnet, um ihre Endlagen zu lernen.");
    const std::string running = Say("Adaptation running. Do not press the accelerator pedal.",
                                    "Anlernen l\xC3\xA4uft. Fahrpedal nicht bet\xC3\xA4tigen.");
    const std::string done = Say("Adaptation completed. Switch the ignition off for 10 s.",
                                 "Anlernen abgeschlossen. Z\xC3\xBCndung f\xC3\xBCr 10 s ausschalten.");
    int progress = 0;
    bool active = false;
    for (bool update = false; Alive(); update = true) {
        if (active)
            progress = std::min(progress + 4, 100);
        active = active && progress < 100;
        const double angle = active ? 82.0 * (progress % 50) / 50.0 : 0.0;
        const std::string& text = active ? running : progress == 100 ? done : ready;
        if (!Send(SpecialFunctionRequest(title, {0x0380, 0x0381, 0x0382},
                                         {{0x0305, Number(angle, 1)}, {0x0304, std::to_string(progress)}}, text, update),
                  "special-function throttle"))
            return;
        const int key = m_maker.AnswerByte(4);
        if (key == 2)
            return;
        if (key == 0) {
            active = true;
            progress = 0;
        } else if (key == 1) {
            active = false;
        }
        Sleep(200);
    }
}

void CDemoDiagnosis::IdleSpeedSetting()
{
    const std::string title = Say("Idle speed adjustment", "Leerlaufdrehzahl einstellen");
    if (!Send(InputRequest(Say("Enter the idle speed target in rpm (600 to 1000):",
                               "Leerlaufsolldrehzahl in 1/min eingeben (600 bis 1000):"),
                           title, "750", '9', "600", "1000"),
              "input idle-speed"))
        return;
    if (m_maker.AnswerByte(4) != 1)
        return;
    Message(kOk, Say("The idle speed target was set to ", "Die Leerlaufsolldrehzahl ist jetzt ") + m_maker.AnswerText(5) +
                     Say(" rpm.", " 1/min."),
            title);
}

// Polled: the systems are tested one by one; a click on a system reads its codes, the toggle key
// holds and resumes the test, Back leaves.
void CDemoDiagnosis::ShortTest()
{
    const std::vector<SYSTEM> systems = Systems();
    const std::vector<std::string> found = {Say("4 faults", "4 Fehler"), Say("2 faults", "2 Fehler"),
                                            Say("2 faults", "2 Fehler"), Say("2 faults", "2 Fehler"),
                                            Say("2 faults", "2 Fehler"), Say("No answer", "Keine Antwort")};
    std::vector<std::string> names;
    for (const SYSTEM& system : systems)
        names.push_back(Say(system.english, system.german));
    names.push_back(Say("Climate control", "Klimaregelung"));
    size_t tested = 0;
    bool holding = false;
    for (int poll = 0; Alive(); ++poll) {
        if (!holding && poll % 3 == 2 && tested < names.size())
            ++tested;
        std::vector<std::pair<std::string, std::string>> rows;
        for (size_t i = 0; i < names.size(); ++i)
            rows.push_back({names[i], i < tested ? found[i]
                                      : i == tested && !holding ? Say("Testing...", "Wird gepr\xC3\xBC" "ft...")
                                                                : Say("Not tested", "Nicht gepr\xC3\xBC" "ft")});
        if (!Send(ShortTestRequest(Say("Short test", "Kurztest"), rows), "short-test"))
            return;
        const int action = m_maker.AnswerByte(4);
        if (action == 2)
            return;
        if (action == 1)
            holding = true;
        else if (action == 29)
            holding = false;
        else if (action == 13 && static_cast<size_t>(m_maker.AnswerWord(5, 0)) < systems.size()) {
            const size_t row = static_cast<size_t>(m_maker.AnswerWord(5, 0));
            ReadCodes(systems[row], row);
        }
        Sleep(300);
    }
}

// Polled status list with a table the program pages itself, ten rows a page.
void CDemoDiagnosis::ComponentStatus()
{
    constexpr int kRowsPerPage = 10;
    std::vector<uint16_t> ids;
    for (const DEMO_DATA_ITEM& item : kDemoEngineItems)
        ids.push_back(item.id);
    const int total = static_cast<int>(ids.size());
    int first = 0;
    bool holding = false;
    while (Alive()) {
        std::vector<STATUS_ROW> page;
        for (int row = first; row < total && row < first + kRowsPerPage; ++row) {
            const DEMO_DATA_ITEM& item = *FindItem(ids[static_cast<size_t>(row)]);
            const double value = holding ? item.low : Wave(item.low, item.high, 8.0 + row);
            page.push_back({Say(item.english, item.german), item.unit, Number(value, DecimalsFor(item))});
        }
        const int last = std::min(first + kRowsPerPage, total);
        const std::vector<std::string> lines = {
            Say("Engine control unit: inputs and outputs", "Motorsteuerger\xC3\xA4t: Ein- und Ausg\xC3\xA4nge"),
            holding ? Say("Values held", "Werte gehalten") : Say("Ignition on, engine running", "Z\xC3\xBCndung ein, Motor l\xC3\xA4uft"),
            Say("Rows ", "Zeilen ") + std::to_string(first + 1) + "-" + std::to_string(last) + Say(" of ", " von ") +
                std::to_string(total),
            "OK"};
        const std::vector<STATUS_KEY> keys = {{holding ? Say("Resume", "Weiter") : Say("Hold", "Halten"), true},
                                              {Say("Exit", "Ende"), true}};
        if (!Send(StatusListRequest(Say("Component status", "Bauteilzustand"), lines, keys, page, total, first),
                  "status-list"))
            return;
        const int action = m_maker.AnswerByte(4);
        if (action == 17)
            return;
        if (action == 16)
            holding = !holding;
        else if (action == 14 || action == 15)
            first = std::clamp(m_maker.AnswerWord(5, 0), 0, std::max(total - 1, 0));
        Sleep(300);
    }
}

// Two drawings; a marker tells about its sensor or pin.
void CDemoDiagnosis::SensorPictures()
{
    struct PICTURE {
        const char* file;
        std::string title;
        uint16_t type;
        std::vector<MARKER> markers;
        std::vector<std::string> notes;
    };
    const std::vector<PICTURE> pictures = {
        {"PICTURE\\ABS_SENSORS.BMP", Say("Wheel speed sensors", "Raddrehzahlsensoren"), kNextCancel,
         {{22, 22}, {78, 22}, {22, 78}, {78, 78}},
         {Say("Front left sensor: 1.0 to 1.3 kOhm between pins 1 and 2.", "Sensor vorn links: 1,0 bis 1,3 kOhm zwischen Pin 1 und 2."),
          Say("Front right sensor: 1.0 to 1.3 kOhm between pins 1 and 2.", "Sensor vorn rechts: 1,0 bis 1,3 kOhm zwischen Pin 1 und 2."),
          Say("Rear left sensor: active sensor, 7 to 14 mA supply.", "Sensor hinten links: aktiver Sensor, 7 bis 14 mA."),
          Say("Rear right sensor: active sensor, 7 to 14 mA supply.", "Sensor hinten rechts: aktiver Sensor, 7 bis 14 mA.")}},
        {"PICTURE\\ABS_CONNECTOR.BMP", Say("Sensor connector", "Sensorstecker"), kPreviousFinish,
         {{35, 50}, {65, 50}},
         {Say("Pin 1: signal, 0.4 to 2.5 V AC while the wheel turns.", "Pin 1: Signal, 0,4 bis 2,5 V AC bei drehendem Rad."),
          Say("Pin 2: ground through the control unit.", "Pin 2: Masse \xC3\xBC" "ber das Steuerger\xC3\xA4t.")}},
    };
    size_t shown = 0;
    while (Alive()) {
        const PICTURE& picture = pictures[shown];
        if (!Send(PictureRequest(picture.type, picture.file, picture.title, picture.markers), "picture " + std::string(picture.file)))
            return;
        const int answer = m_maker.AnswerByte(4);
        if (answer >= 0x80 && static_cast<size_t>(answer - 0x80) < picture.notes.size())
            Message(kOk, picture.notes[static_cast<size_t>(answer - 0x80)], picture.title);
        else if (answer == kCodeNext)
            shown = std::min(shown + 1, pictures.size() - 1);
        else if (answer == kCodePrevious)
            shown = shown ? shown - 1 : 0;
        else if (answer == kCodeCancel || answer == kCodeFinish || answer < 0)
            return;
    }
}

// The body module's service functions, one for each set of message keys.
void CDemoDiagnosis::ServiceMessages()
{
    struct SERVICE {
        std::string name;
        uint16_t type;
        std::string text;
    };
    const std::vector<SERVICE> services = {
        {Say("Service reminder", "Serviceanzeige"), kOk,
         Say("The service reminder was reset. Next service in 15000 km or 12 months.",
             "Die Serviceanzeige wurde zur\xC3\xBC" "ckgesetzt. N\xC3\xA4" "chster Service in 15000 km oder 12 Monaten.")},
        {Say("Window calibration", "Fensterheber anlernen"), kCancel,
         Say("Hold the driver's window switch up until the window is closed. Press Cancel to stop.",
             "Fensterheberschalter Fahrerseite hochhalten, bis das Fenster geschlossen ist. Abbrechen beendet.")},
        {Say("Seat memory", "Sitzspeicher"), kOkCancel,
         Say("All stored seat positions will be erased.", "Alle gespeicherten Sitzpositionen werden gel\xC3\xB6scht.")},
        {Say("Key programming", "Schl\xC3\xBCssel anlernen"), kYesNo,
         Say("Is the new key inside the vehicle?", "Befindet sich der neue Schl\xC3\xBCssel im Fahrzeug?")},
        {Say("Central locking", "Zentralverriegelung"), kYesNoCancel,
         Say("Lock the doors automatically when driving off?", "T\xC3\xBCren beim Anfahren automatisch verriegeln?")},
        {Say("Rain sensor", "Regensensor"), kRetryCancel,
         Say("The rain sensor does not answer. Check its connector.", "Der Regensensor antwortet nicht. Stecker pr\xC3\xBC" "fen.")},
        {Say("Light module update", "Lichtmodul aktualisieren"), kAbortRetryIgnore,
         Say("Writing block 3 of 8 failed.", "Schreiben von Block 3 von 8 fehlgeschlagen.")},
        {Say("Alarm siren", "Alarmsirene"), kIgnoreAbort,
         Say("The siren's backup battery is weak.", "Die Pufferbatterie der Sirene ist schwach.")},
        {Say("Tyre pressure set-up", "Reifendruck einlernen"), kNextCancel,
         Say("Inflate all tyres to the pressure on the door pillar, then press Next.",
             "Alle Reifen auf den Druck am T\xC3\xBCrholm bringen, dann Weiter dr\xC3\xBC" "cken.")},
        {Say("Mirror adjustment", "Spiegel einstellen"), kPreviousNextCancel,
         Say("Step 2 of 3: move the left mirror to its lowest position.",
             "Schritt 2 von 3: linken Spiegel ganz nach unten stellen.")},
        {Say("Door module check", "T\xC3\xBCrmodul pr\xC3\xBC" "fen"), kPolledOk,
         Say("Checking the door modules... press OK to stop.", "T\xC3\xBCrmodule werden gepr\xC3\xBC" "ft... OK beendet.")},
        {Say("Module wake-up", "Module wecken"), kNoKeys,
         Say("Waking the body modules, please wait.", "Karosseriemodule werden geweckt, bitte warten.")},
    };
    std::vector<std::string> names;
    for (const SERVICE& service : services)
        names.push_back(service.name);
    while (Alive()) {
        const int chosen = Menu(Say("Service functions", "Servicefunktionen"), names);
        if (chosen == kBack || static_cast<size_t>(chosen) >= services.size())
            return;
        const SERVICE& service = services[static_cast<size_t>(chosen)];
        int code = Message(service.type, service.text, service.name);
        for (int poll = 0; service.type == kPolledOk && code != kCodeOk && poll < 200 && Alive(); ++poll) {
            Sleep(300);
            code = Message(service.type, service.text, service.name);
        }
        if (service.type == kNoKeys)
            Sleep(2000);
    }
}

void CDemoDiagnosis::VersionInformation(const SYSTEM& system, size_t index)
{
    static const char* const kPartNumbers[] = {"TS-0451-220", "TS-7710-031", "TS-3302-114", "TS-6120-008", "TS-9040-502"};
    static const char* const kSoftware[] = {"2.05.13", "1.18.02", "4.01.00", "1.00.07", "3.22.40"};
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {Say("Part number", "Teilenummer"), kPartNumbers[index % 5]},
        {Say("Software version", "Softwarestand"), kSoftware[index % 5]},
        {Say("Hardware version", "Hardwarestand"), "H0" + std::to_string(3 + index)},
        {Say("Coding", "Codierung"), "00412" + std::to_string(70 + index)},
        {Say("Serial number", "Seriennummer"), "TSE77341" + std::to_string(20 + index)},
        {Say("Date of manufacture", "Herstelldatum"), "2023-04-1" + std::to_string(index)},
        {Say("Supplier", "Lieferant"), "Orvale Electronics"},
        {Say("Diagnostic protocol", "Diagnoseprotokoll"), "KDP-2 500 kBit/s"},
    };
    const std::string title = Say(system.english, system.german) + ": " + Say("control unit", "Steuerger\xC3\xA4t");
    while (Send(VersionRequest(title, pairs), "version-list")) {
        if (m_maker.AnswerByte(4) == 1)
            return;
    }
}
