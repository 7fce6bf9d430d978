#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/StarSystem.h"
#include "core/text/Message.h"

namespace kelvane {

// Reads back the system JSON that AppendJson writes, including edits made to
// it in another program.
//
// Each system starts from the system its "code" makes (RegenerateSystem), or
// from an empty system when the code is null or missing, and every field the
// object has is then laid over it; an unedited export therefore comes back
// exactly, with or without its code. The code only fills in what the object
// leaves out: where the object's star or orbits differ from the code's, the
// object wins, and the code is not kept.
//
// An orbit's "contents" and "environment" decide its type: when "type" says
// otherwise, the words win and a note says so. "starClassName" and
// "starTypeName" likewise win over "starClass" and "starType". An empty name
// or a null environment leaves the number to decide.
//
// Anything else wrong refuses the whole text, and error names the field's
// path and the reason: `orbits[3].environment: "Lush" is not one of None,
// Hostile, Poor, Average, Good, Excellent`. Indexes count from 0, so
// orbits[3] is orbit 4; in an array of systems the path starts with the
// system's index ("[1].name: ...").

// True when text is JSON whose value is a system object, or an array whose
// first item is one: an object with "orbits" or "starClass" and without
// "kelvaneSector" (which marks a sector index).
bool IsSystemJsonText(std::string_view text);

// Every system of text, which holds one system object or an array of them.
// On a refusal, false, with systems unchanged. notes receives the notes of
// words that won over numbers, each "path: ...".
bool ReadSystemJsonList(std::string_view text, std::vector<StarSystem>& systems, Message& error,
                        std::vector<std::string>* notes = nullptr);

// The one system text holds (an object, or an array of exactly one). On a
// refusal, false, with system unchanged.
bool ReadSystemJson(std::string_view text, StarSystem& system, Message& error,
                    std::vector<std::string>* notes = nullptr);

} // namespace kelvane
