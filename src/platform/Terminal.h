// Whether a standard stream is a terminal, for output meant only for people.
//
//   IsTerminal(StdStream::Error)  => true in an interactive shell,
//                                    false when stderr goes to a file or pipe
#pragma once

namespace tw {

enum class StdStream { Output, Error };

bool IsTerminal(StdStream stream);

}  // namespace tw
