#include "core/text/Message.h"

namespace kelvane {

std::string FillPlaces(std::string_view text, const std::vector<std::string>& values)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto place = static_cast<std::size_t>(text[i + 1] - '1');
            if (place < values.size()) {
                out += values[place];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string English(const Message& message)
{
    std::string out;
    for (const Message::Piece& piece : message.Pieces())
        out += FillPlaces(piece.text, piece.values);
    return out;
}

} // namespace kelvane
