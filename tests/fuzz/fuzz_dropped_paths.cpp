// The text the shell hands over for a drop, cut as the import cuts it: the
// last piece after "\" is the file's name, and a ".bin" name gives the box
// title. Whatever the text, the pieces join back to it and the title plus
// ".bin" is the name.
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_fields.h"
#include "platform/text.h"

using namespace kistvar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> pieces = split_text(text, "\\");

    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i ? "\\" : "") + pieces[i];
    // Only a trailing empty piece is left out, so at most one "\" is missing.
    if (!(joined == text || joined + "\\" == text)) fuzz::broken("the pieces do not join back to the dropped text");

    const std::string name = pieces.empty() ? std::string() : pieces.back();
    if (name.find('\\') != std::string::npos) fuzz::broken("the name holds a folder separator");
    const std::string extension = right_text(name, 4);
    if (text_length(extension) > 4 || !name.ends_with(extension)) fuzz::broken("right_text is not the name's end");
    if (extension != ".bin") return 0;
    const std::string title = left_text(name, static_cast<long long>(text_length(name)) - 4);
    if (title + ".bin" != name) fuzz::broken("title and \".bin\" do not make the name");
    // A path ending in "\" (a folder) loses only that last separator.
    if (!text.ends_with(name) && !text.ends_with(name + "\\"))
        fuzz::broken("a box name that is not the end of the dropped path");
    return 0;
}
