// skinpack: packs skin folders into skin packages for skin authors, and
// lists, unpacks or verifies existing packages.

#include "tools/skinpack/Files.h"
#include "skin/package/LZH.h"
#include "tools/skinpack/SkinPackage.h"
#include "skin/package/SkinReader.h"
#include "tools/skinpack/SkinSources.h"
#include "tools/skinpack/SkinVerify.h"
#include "skin/description/SkinDescription.h"
#include "skin/description/SkinIni.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum ExitCode { ExitSuccess = 0, ExitBadInput = 1, ExitUsage = 2 };

// A compressed stream can never be much larger than what it decodes to, and
// that is bounded by TLZH::MaxDecodedSize; anything bigger is not a skin.
constexpr std::uintmax_t MaxInputSize = 256u << 20;

constexpr const char* HelpText = R"(Usage: skinpack [--property] pack DIR OUT
       skinpack [--property] list FILE
       skinpack [--property] unpack FILE DIR
       skinpack [--property] verify FILE
       skinpack [--property] describe FILE
       skinpack --help

Packs the files of a skin folder into a skin package, and lists, unpacks or
verifies skin packages.

Commands:
  pack DIR OUT      Pack every file directly inside folder DIR into OUT.
                    Entry names are the file names in lower case (A-Z only),
                    sorted; the package has version 20000. Subfolders are
                    skipped with a warning.
  list FILE         Print one line per entry of FILE, in package order: the
                    name, a tab, and the size in bytes. Control characters in
                    a name are shown as \xHH.
  unpack FILE DIR   Write every entry of FILE into folder DIR, which is
                    created if missing; existing files of the same names are
                    replaced. A name that is not a plain file name (a path, a
                    device name, a control character...) or repeats an earlier
                    one is changed so that every file lands inside DIR; each
                    change is reported on standard error.
  verify FILE       Load FILE and its description (the first entry whose
                    name contains ".ini", at most 1 MiB) the way Tandrel does
                    and print, one line each on standard output and starting
                    with FILE, every problem a skin author should fix:
                    - images missing from the package, entries that are not
                      BMP images (Tandrel then refuses the whole skin), image
                      names that do not end in ".bmp" in lower case;
                    - frame counts below 1, images whose width (or height,
                      for stacked frames) does not divide into their frame
                      count, margins wider or taller than a frame;
                    - values that should be integers and are not;
                    - sections Tandrel expects but the skin lacks
                      ([Personality] with its four border images, [Colours],
                      [Buttons], caption buttons [BUTTON0] and on), and
                      sections that appear twice (only the first is read).
                    Lines with "note:" after FILE tell what is worth knowing
                    but not wrong, such as optional sections the skin leaves
                    out, or text colours that read badly on their faces
                    ([Colours] ButtonText or WindowText on ButtonFace,
                    MenuText on Menu, MenuBarText on Menubar, HilightText on
                    Hilight, at a contrast below 4.5:1). The last line says "ok" when there is no problem;
                    otherwise the count of problems goes to standard error.
  describe FILE     Print FILE's description as Tandrel reads it, as one
                    JSON object: "description" (the entry's name),
                    "sections" (in file order, repeats included, each with
                    its "name" and its "keys": lower-case names in the order
                    written, the first value of each, null for a line
                    without "=") and "notes" (lines read otherwise than
                    their author may have meant, such as a repeated key).

Options:
  --property        FILE or OUT uses the form-definition property layout: a
                    4-byte little-endian length, then the compressed stream.
                    A length of 0 or less means that no skin is stored.
                    Without it, FILE and OUT are skin files: the compressed
                    stream alone.
  -h, --help        Show this text.
  --                Take every later argument as a name, even if it starts
                    with '-'.

A compressed stream is the 4-byte little-endian size of the package, then the
package coded with LZHUF (4096-byte ring, matches of 3 to 60 bytes, adaptive
Huffman coding). Packages decode to at most 64 MiB.

Exit status: 0 on success; 1 when a file cannot be read or written or is not
a valid skin package (one message on standard error names the file), or when
verify finds a problem; 2 for a usage error.
)";

class EUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bad input or a failed write; the message names the file.
class EBadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TArgument {
    std::string Text; // UTF-8
    fs::path Path;
};

void Warn(const std::string& text)
{
    std::fprintf(stderr, "skinpack: %s\n", text.c_str());
}

// Reads a package file; nullopt when it is a property that stores no skin.
std::optional<TSkinReader> LoadReader(const fs::path& file, bool property)
{
    std::string const where = DisplayPath(file) + ": ";
    try {
        std::vector<std::uint8_t> const bytes = ReadWholeFile(file, MaxInputSize);
        std::span<const std::uint8_t> stream = bytes;
        if (property) {
            stream = UnwrapProperty(bytes);
            if (stream.empty()) {
                Warn(where + "the property stores no skin");
                return std::nullopt;
            }
        }
        TSkinReader reader;
        LoadSkinStream(reader, stream);
        return reader;
    } catch (const EFileError& error) {
        throw EBadInput(error.what());
    } catch (const EBadInput&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw EBadInput(where + "out of memory");
    } catch (const std::exception& error) {
        throw EBadInput(where + error.what());
    }
}

int Pack(const fs::path& folder, const fs::path& output, bool property)
{
    try {
        std::vector<std::string> skipped;
        auto const warnSkipped = [&] {
            for (const auto& name : skipped)
                Warn(DisplayPath(folder / name) + ": not a regular file, skipped");
        };
        std::vector<std::uint8_t> stream;
        try {
            stream = PackFolder(folder, skipped, output);
        } catch (const ESkinPackError& problem) {
            warnSkipped();
            throw EBadInput(DisplayPath(folder) + ": " + problem.what());
        } catch (...) {
            warnSkipped();
            throw;
        }
        warnSkipped();
        WriteWholeFile(output, property ? WrapProperty(stream) : stream);
    } catch (const EFileError& error) {
        throw EBadInput(error.what());
    }
    return ExitSuccess;
}

int List(const fs::path& file, bool property)
{
    auto const reader = LoadReader(file, property);
    if (!reader)
        return ExitSuccess;
    for (std::size_t i = 0; i < reader->Count(); ++i)
        std::printf("%s\t%zu\n", PrintableName(reader->Name(i)).c_str(), reader->Entry(i).size());
    if (std::fflush(stdout) != 0)
        throw EBadInput("standard output: write failed");
    return ExitSuccess;
}

int Unpack(const fs::path& file, const fs::path& folder, bool property)
{
    auto const reader = LoadReader(file, property);
    if (!reader)
        return ExitSuccess;
    std::vector<std::string> const names = UnpackFileNames(*reader);
    try {
        TOutputFolder output(folder);
        for (std::size_t i = 0; i < reader->Count(); ++i) {
            if (names[i] != reader->Name(i))
                Warn(DisplayPath(file) + ": entry \"" + PrintableName(reader->Name(i)) + "\" written as \"" + names[i]
                     + "\"");
            output.Write(names[i], reader->Entry(i));
        }
    } catch (const EFileError& error) {
        throw EBadInput(error.what());
    }
    return ExitSuccess;
}

int Verify(const fs::path& file, bool property)
{
    auto const reader = LoadReader(file, property);
    if (!reader)
        return ExitBadInput; // LoadReader said that the property stores no skin
    std::string const where = DisplayPath(file) + ": ";
    TSkinReport const report = VerifySkin(*reader);
    for (const auto& note : report.Notes)
        std::printf("%snote: %s\n", where.c_str(), note.c_str());
    for (const auto& problem : report.Problems)
        std::printf("%s%s\n", where.c_str(), problem.c_str());
    if (report.Problems.empty())
        std::printf("%sok: description \"%s\", %zu images, %zu caption buttons\n", where.c_str(),
                    PrintableName(report.Description).c_str(), report.ImagesChecked, report.CaptionButtons);
    if (std::fflush(stdout) != 0)
        throw EBadInput("standard output: write failed");
    if (!report.Problems.empty())
        throw EBadInput(where + std::to_string(report.Problems.size())
                        + (report.Problems.size() == 1 ? " problem" : " problems") + " found");
    return ExitSuccess;
}

// Text as a JSON string; bytes outside ASCII are shown as \u00XX, the way
// the description's own code page is not known here.
std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char const c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int Describe(const fs::path& file, bool property)
{
    auto const reader = LoadReader(file, property);
    if (!reader)
        return ExitBadInput;
    std::vector<std::uint8_t> bytes;
    std::string name;
    if (!reader->ExtractEntryContaining(".ini", bytes, name))
        throw EBadInput(DisplayPath(file) + ": the package has no description: no entry name contains \".ini\"");
    if (bytes.size() > tandrel::MaxDescriptionSize)
        throw EBadInput(DisplayPath(file) + ": the description is larger than Tandrel reads");
    tandrel::TSkinIniText const text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::string out = "{\"description\": " + JsonString(name) + ", \"sections\": [";
    const char* sectionComma = "";
    for (const auto& section : text.Sections()) {
        out += sectionComma;
        sectionComma = ", ";
        out += "{\"name\": " + JsonString(section.Name) + ", \"keys\": {";
        const char* keyComma = "";
        for (const auto& [key, value] : section.Keys) {
            out += keyComma + JsonString(key) + ": " + (value ? JsonString(*value) : std::string("null"));
            keyComma = ", ";
        }
        out += "}}";
    }
    out += "], \"notes\": [";
    const char* noteComma = "";
    for (const auto& note : text.Notes()) {
        out += noteComma + JsonString(note);
        noteComma = ", ";
    }
    out += "]}\n";
    if (std::fputs(out.c_str(), stdout) < 0 || std::fflush(stdout) != 0)
        throw EBadInput("standard output: write failed");
    return ExitSuccess;
}

int Run(const std::vector<TArgument>& arguments)
{
    bool property = false;
    bool options = true;
    std::vector<const TArgument*> words;
    for (const auto& argument : arguments) {
        if (options && argument.Text == "--") {
            options = false;
            continue;
        }
        if (!options || argument.Text.size() < 2 || argument.Text[0] != '-') {
            words.push_back(&argument);
            continue;
        }
        if (argument.Text == "--help" || argument.Text == "-h") {
            std::fputs(HelpText, stdout);
            return ExitSuccess;
        }
        if (argument.Text != "--property")
            throw EUsage("unknown option " + argument.Text);
        property = true;
    }
    if (words.empty())
        throw EUsage("no command given");

    std::string const& command = words[0]->Text;
    auto const expect = [&](std::size_t count, const char* form) {
        if (words.size() != count + 1)
            throw EUsage(std::string("usage: skinpack [--property] ") + form);
    };
    if (command == "pack") {
        expect(2, "pack DIR OUT");
        return Pack(words[1]->Path, words[2]->Path, property);
    }
    if (command == "list") {
        expect(1, "list FILE");
        return List(words[1]->Path, property);
    }
    if (command == "unpack") {
        expect(2, "unpack FILE DIR");
        return Unpack(words[1]->Path, words[2]->Path, property);
    }
    if (command == "verify") {
        expect(1, "verify FILE");
        return Verify(words[1]->Path, property);
    }
    if (command == "describe") {
        expect(1, "describe FILE");
        return Describe(words[1]->Path, property);
    }
    throw EUsage("unknown command " + command);
}

int Main(const std::vector<TArgument>& arguments)
{
    try {
        return Run(arguments);
    } catch (const EUsage& error) {
        Warn(error.what());
        std::fputs("Try 'skinpack --help' for more information.\n", stderr);
        return ExitUsage;
    } catch (const EBadInput& error) {
        Warn(error.what());
        return ExitBadInput;
    } catch (const std::exception& error) {
        Warn(error.what());
        return ExitBadInput;
    }
}

} // namespace

#ifdef _WIN32
// Wide arguments: paths with any characters reach the file system intact.
int wmain(int argc, wchar_t** argv)
{
    std::vector<TArgument> arguments;
    for (int i = 1; i < argc; ++i) {
        fs::path path(argv[i]);
        std::string text;
        try {
            auto const utf8 = path.u8string();
            text.assign(utf8.begin(), utf8.end());
        } catch (const std::exception&) {
            text = "?";
        }
        arguments.push_back({ std::move(text), std::move(path) });
    }
    return Main(arguments);
}
#else
int main(int argc, char** argv)
{
    std::vector<TArgument> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back({ argv[i], fs::path(argv[i]) });
    return Main(arguments);
}
#endif
