#pragma once

namespace zev {

// Error numbers the Qt layer raises besides the foundation's own.
enum QtErrorNumber : int {
    ErrOutOfStackSpace = 28,    // an event chain without end
    ErrInternal = 51,           // a failure that is not a ControlError
    ErrFileNotFound = 53,
    ErrFileAccess = 75,         // the file cannot be read or written
    ErrInvalidFileFormat = 321, // the file is not a saved form
};

} // namespace zev
