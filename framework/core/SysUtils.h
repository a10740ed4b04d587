#pragma once
// Exceptions and text conversion shared by the whole framework.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tandrel {

class TObject;

// Base of every failure the framework raises. The message is UTF-8.
class EException : public std::runtime_error {
public:
    explicit EException(const std::string& message) : std::runtime_error(message) {}
};

class EInvalidOperation : public EException { using EException::EException; };
class EReadError : public EException { using EException::EException; };       // form definitions
class EInvalidGraphic : public EException { using EException::EException; };  // malformed images
class EFOpenError : public EException { using EException::EException; };      // a file cannot be opened
class EOutOfResources : public EException { using EException::EException; };  // a system object cannot be made
class EStreamError : public EException { using EException::EException; };
class EStringListError : public EException { using EException::EException; };
class EConvertError : public EException { using EException::EException; };

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

std::string LowerCase(std::string_view text);   // ASCII only: class and key names
std::string UpperCase(std::string_view text);

// The system's own description of an error code, without the trailing line break.
std::string SysErrorMessage(unsigned long code);

// Raises EOutOfResources with the last system error when a handle came back empty.
void RaiseLastOSError(const char* what);

// Reports the exception being handled (call inside a catch block) at a
// boundary no C++ exception may cross: a window procedure, hook or timer
// callback. The application installs the reporter (its error box); with
// none installed the exception is dropped.
void HandleCallbackException(TObject* sender) noexcept;
using TCallbackExceptionReporter = void (*)(TObject* sender);
void SetCallbackExceptionReporter(TCallbackExceptionReporter reporter);

} // namespace tandrel
