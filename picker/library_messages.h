// The texts shown to the user when the colour table library cannot be used. The
// window shows StartupFailureMessage in one message box when Form_Load fails and
// then ends the program.
#ifndef TINTWELL_PICKER_LIBRARY_MESSAGES_H
#define TINTWELL_PICKER_LIBRARY_MESSAGES_H

#include <exception>
#include <string>

namespace tintwell {

// UTF-8, for PickerError::what().
std::string LibraryNotFoundMessage(const std::string &fileName);
std::string ExportNotFoundMessage(const std::string &fileName, const std::string &exportName);

// The whole message for a failed start: what went wrong, naming the file or the
// export when the library was at fault, in UTF-16 for the message box.
std::u16string StartupFailureMessage(const std::exception &error);

// Caption of that message box.
std::u16string StartupFailureCaption();

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LIBRARY_MESSAGES_H
