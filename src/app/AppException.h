#pragma once

#include <exception>

// The application-wide error handler: every error that escapes an event handler ends here.
// A number that cannot be read gives the one conversion message; any other error says what it was.
void AppException(std::exception_ptr erro);
