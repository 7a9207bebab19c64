// Writes the Windows resource script from the dialog layouts, so the Windows
// build and every other front end read one set of templates:
//   make_rc OUT.rc VERSION ICON PICTURE OPTIONS_PICTURE CHIME MANIFEST
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "res/resource.h"
#include "res/templates.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

// A file name as windres reads it, with forward slashes.
std::string FileName(std::string path) {
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return Quoted(path);
}

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) {
            out += " | ";
        }
        out += part;
    }
    return out;
}

std::string TextAlignment(std::uint32_t style, const char* left, const char* centre,
                          const char* right) {
    if (style & platform::kCentered) {
        return centre;
    }
    return (style & platform::kRightAligned) ? right : left;
}

// The window class and styles that carry a control's kind and style bits.
void ClassAndStyle(const ControlTemplate& t, std::string& windowClass, std::string& style) {
    const std::uint32_t s = t.style;
    std::vector<std::string> bits;
    switch (t.kind) {
        case ControlKind::GroupBox:
            windowClass = "Button";
            bits.push_back("BS_GROUPBOX");
            break;
        case ControlKind::Label:
            windowClass = "Static";
            bits.push_back(TextAlignment(s, "SS_LEFT", "SS_CENTER", "SS_RIGHT"));
            if (s & platform::kCenteredVertically) {
                bits.push_back("SS_CENTERIMAGE");
            }
            if (s & platform::kBorder) {
                bits.push_back("SS_SUNKEN");
            }
            break;
        case ControlKind::Picture:
            windowClass = "Static";
            // Drawn at the control's size, so a larger font or DPI scales it.
            bits.push_back("SS_BITMAP");
            bits.push_back("SS_REALSIZECONTROL");
            break;
        case ControlKind::PushButton:
            windowClass = "Button";
            bits.push_back((s & platform::kDefaultButton) ? "BS_DEFPUSHBUTTON" : "BS_PUSHBUTTON");
            break;
        case ControlKind::CheckBox:
            windowClass = "Button";
            // The program's model sets the check mark; the button only reports
            // the click. Three states, as the model has.
            bits.push_back("BS_3STATE");
            if (s & platform::kWrap) {
                bits.push_back("BS_MULTILINE");
            }
            break;
        case ControlKind::Edit:
            windowClass = "Edit";
            bits.push_back(TextAlignment(s, "ES_LEFT", "ES_CENTER", "ES_RIGHT"));
            if (s & platform::kReadOnly) {
                bits.push_back("ES_READONLY");
            }
            if (s & platform::kAutoHScroll) {
                bits.push_back("ES_AUTOHSCROLL");
            }
            if (s & platform::kNumberOnly) {
                bits.push_back("ES_NUMBER");
            }
            break;
        case ControlKind::ComboBox:
            windowClass = "ComboBox";
            if (s & platform::kEditable) {
                bits.push_back("CBS_DROPDOWN");
                bits.push_back("CBS_AUTOHSCROLL");
            } else {
                bits.push_back("CBS_DROPDOWNLIST");
            }
            // The front end inserts entries at the model's positions, which
            // such a list keeps as they are.
            if (s & platform::kSorted) {
                bits.push_back("CBS_SORT");
            }
            break;
        case ControlKind::ListBox:
            windowClass = "ListBox";
            if (s & platform::kNotify) {
                bits.push_back("LBS_NOTIFY");
            }
            if (s & platform::kNoIntegralHeight) {
                bits.push_back("LBS_NOINTEGRALHEIGHT");
            }
            break;
    }
    if (s & platform::kVScroll) {
        bits.push_back("WS_VSCROLL");
    }
    if ((s & platform::kBorder) && t.kind != ControlKind::Label) {
        bits.push_back("WS_BORDER");
    }
    if (s & platform::kTabStop) {
        bits.push_back("WS_TABSTOP");
    }
    style = Join(bits);
}

void WriteDialog(std::ostream& out, const DialogTemplate& d) {
    std::vector<std::string> style = {"WS_POPUP", "WS_CAPTION"};
    if (d.style & platform::kModalFrame) {
        style.push_back("DS_MODALFRAME");
    }
    if (d.style & platform::kSystemMenu) {
        style.push_back("WS_SYSMENU");
    }
    if (d.style & platform::kMinimizeBox) {
        style.push_back("WS_MINIMIZEBOX");
    }
    if (d.style & platform::kMaximizeBox) {
        style.push_back("WS_MAXIMIZEBOX");
    }
    out << d.id << " DIALOGEX 0, 0, " << d.width << ", " << d.height << "\n"
        << "STYLE " << Join(style) << "\n"
        << "CAPTION " << Quoted(d.caption) << "\n"
        << "FONT " << d.fontPoints << ", " << Quoted(d.fontName) << ", 0, 0, 0x1\n"
        << "BEGIN\n";
    for (const ControlTemplate& t : d.controls) {
        std::string windowClass;
        std::string controlStyle;
        ClassAndStyle(t, windowClass, controlStyle);
        const std::string text =
            t.kind == ControlKind::Picture ? std::to_string(t.resource) : Quoted(t.text);
        out << "    CONTROL " << text << ", " << t.id << ", " << Quoted(windowClass) << ", "
            << controlStyle << ", " << t.x << ", " << t.y << ", " << t.width << ", " << t.height
            << "\n";
    }
    out << "END\n\n";
}

// "2.0.5" as "2,0,5,0".
std::string VersionNumbers(const std::string& version) {
    std::string out = version;
    for (char& c : out) {
        if (c == '.') {
            c = ',';
        }
    }
    int fields = 1;
    for (const char c : out) {
        fields += c == ',' ? 1 : 0;
    }
    for (; fields < 4; ++fields) {
        out += ",0";
    }
    return out;
}

void WriteVersion(std::ostream& out, const std::string& version) {
    const std::string numbers = VersionNumbers(version);
    out << "1 VERSIONINFO\n"
        << "FILEVERSION " << numbers << "\n"
        << "PRODUCTVERSION " << numbers << "\n"
        << "FILEOS VOS_NT_WINDOWS32\n"
        << "FILETYPE VFT_APP\n"
        << "BEGIN\n"
        << "    BLOCK \"StringFileInfo\"\n"
        << "    BEGIN\n"
        << "        BLOCK \"040904b0\"\n"
        << "        BEGIN\n"
        << "            VALUE \"CompanyName\", \"Selvantora\"\n"
        << "            VALUE \"FileDescription\", \"Selvantora Meditation Timer\"\n"
        << "            VALUE \"FileVersion\", " << Quoted(version) << "\n"
        << "            VALUE \"InternalName\", \"selvantora\"\n"
        << "            VALUE \"OriginalFilename\", \"selvantora.exe\"\n"
        << "            VALUE \"ProductName\", \"Selvantora\"\n"
        << "            VALUE \"ProductVersion\", " << Quoted(version) << "\n"
        << "        END\n"
        << "    END\n"
        << "    BLOCK \"VarFileInfo\"\n"
        << "    BEGIN\n"
        << "        VALUE \"Translation\", 0x409, 1200\n"
        << "    END\n"
        << "END\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr,
                     "usage: make_rc OUT.rc VERSION ICON PICTURE OPTIONS_PICTURE CHIME MANIFEST\n");
        return 2;
    }
    std::ostringstream out;
    out << "// Generated by make_rc from the dialog layouts; do not edit.\n"
        << "#include <windows.h>\n"
        << "#pragma code_page(65001)\n\n"
        << "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n\n"
        << IDI_MAIN << " ICON " << FileName(argv[3]) << "\n"
        << IDB_PICTURE << " BITMAP " << FileName(argv[4]) << "\n"
        << IDB_OPTIONS_PICTURE << " BITMAP " << FileName(argv[5]) << "\n"
        << IDR_CHIME << " WAVE " << FileName(argv[6]) << "\n"
        << "1 24 " << FileName(argv[7]) << "  // the application manifest\n\n";
    for (const int id : {IDD_ABOUT, IDD_MAIN, IDD_OPTIONS, IDD_ADD_ALARM}) {
        WriteDialog(out, *res::FindTemplate(id));
    }
    WriteVersion(out, argv[2]);

    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file.good() ? 0 : 1;
}
