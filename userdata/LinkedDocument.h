#pragma once
// The document linked to an object: "<file>" at the start of its information text. Texts reach
// the data sets from imports and other stations, so a link is opened only when it names a
// document of the dialog's file types that exists here; never an address or a program.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file types of the information dialog's open dialog, whose documents a link may open.
inline constexpr const char* LinkedDocumentFilter =
    "All supported file types|*.doc;*.txt;*.jpg;*.bmp;*.pdf;*.htm*;*.mht;*.xls|"
    "Text files (*.doc, *.txt)|*.doc;*.txt|Picture files (*.jpg, *.bmp)|*.jpg;*.bmp|"
    "Acrobat files (*.pdf)|*.pdf|Web files (*.html,*.mht)|*.htm*;*.mht|Exel files (*.xls)|*.xls";

// The link put in front of a text for `file`: "<" + file + ">\r\n".
std::string LinkedDocumentPrefix(std::string_view file);

// The name a text links to: the text starts with "<" and holds ">" after its second character;
// the name is what lies between them. None for any other text.
std::optional<std::string> LinkedDocumentName(std::string_view text);

// The file a linked name may open: an existing regular file whose name matches one of the file
// types (case aside) and whose content is no program (an ELF or Windows executable, a "#!"
// script). A relative name lies in `folder`; backslashes separate folders as slashes do. An
// address (anything with a scheme, "http:", "file:") gives none, as does every other name.
std::optional<std::filesystem::path> OpenableDocument(std::string_view name,
                                                      const std::filesystem::path& folder);
