#include "foreignfile.h"

#include <array>

namespace plane_figures::foreignfile {

namespace {

using namespace std::string_view_literals;

struct Signature {
    std::string_view start;  // the bytes the file starts with
    std::string_view kind;
};

// Formats whose first bytes no point file can start with: each starts with a
// byte that begins no number, comment or blank, or holds bytes no UTF-8 has.
constexpr std::array kSignatures{
    Signature{"%PDF-"sv, "документ PDF"sv},
    Signature{"\x89PNG\r\n\x1A\n"sv, "картина PNG"sv},
    Signature{"\xFF\xD8\xFF"sv, "картина JPEG"sv},
    Signature{"GIF87a"sv, "картина GIF"sv},
    Signature{"GIF89a"sv, "картина GIF"sv},
    Signature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, "документ на Word, Excel или PowerPoint"sv},
    Signature{"{\\rtf"sv, "документ RTF"sv},
    Signature{"\x1F\x8B"sv, "архив GZIP"sv},
};

// A zip's first entry names what holds it: OpenDocument starts with its
// "mimetype", Office Open XML has its parts in folders of their own.
struct ZipPart {
    std::string_view name;
    std::string_view kind;
};

constexpr std::array kZipParts{
    ZipPart{"application/vnd.oasis.opendocument.text"sv, "документ ODT"sv},
    ZipPart{"application/vnd.oasis.opendocument.spreadsheet"sv, "таблица ODS"sv},
    ZipPart{"application/vnd.oasis.opendocument.presentation"sv, "презентация ODP"sv},
    ZipPart{"word/"sv, "документ DOCX"sv},
    ZipPart{"xl/"sv, "таблица XLSX"sv},
    ZipPart{"ppt/"sv, "презентация PPTX"sv},
};

constexpr std::string_view kZip = "PK\x03\x04"sv;
constexpr std::string_view kEmptyZip = "PK\x05\x06"sv;

std::string_view ZipKind(std::string_view bytes) {
    for (const ZipPart& part : kZipParts) {
        if (bytes.find(part.name) != std::string_view::npos) return part.kind;
    }
    return "архив ZIP"sv;
}

}  // namespace

std::optional<std::string> KindOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"sv) || bytes.starts_with("\xFE\xFF"sv)) return std::nullopt;
    for (const Signature& signature : kSignatures) {
        if (bytes.starts_with(signature.start)) return std::string(signature.kind);
    }
    if (bytes.starts_with(kZip) || bytes.starts_with(kEmptyZip)) return std::string(ZipKind(bytes));
    if (bytes.find('\0') != std::string_view::npos) return std::string("двоични данни");
    return std::nullopt;
}

}  // namespace plane_figures::foreignfile
