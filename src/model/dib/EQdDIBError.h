#pragma once

#include <stdexcept>

// Errors of the device-independent bitmap reader. The picture loader treats each of them as an
// unreadable file; the message says which check refused the bytes.
class EQdDIBError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes are not a bitmap file at all.
class EQdDIBInvalidDIBFile : public EQdDIBError {
public:
    using EQdDIBError::EQdDIBError;
};

// A bitmap file whose header, colour table or pixel data cannot be used.
class EQdDIBInvalidDIB : public EQdDIBError {
public:
    using EQdDIBError::EQdDIBError;
};

// The stream ended before the bytes the header announces.
class EQdDIBReadError : public EQdDIBError {
public:
    using EQdDIBError::EQdDIBError;
};

// Pixel memory could not be obtained.
class EQdDIBOutOfResources : public EQdDIBError {
public:
    using EQdDIBError::EQdDIBError;
};
