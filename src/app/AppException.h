#pragma once

#include <exception>
#include <string>

// The application-wide error handler: every error that escapes an event handler or a background
// run ends here. A number that cannot be read gives the one conversion message; any other error
// says what it was.
void AppException(std::exception_ptr erro);

// What the user is told of an error: the text AppException shows.
std::string TextoDoErro(std::exception_ptr erro);
