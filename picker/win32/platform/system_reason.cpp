#include "system_reason.h"

#include "user_texts.h"

namespace tintwell::win32 {

std::string SystemReason(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return std::string();
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return messages::kAccessDenied;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return messages::kFileNotFound;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return messages::kNotEnoughMemory;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return messages::kDiskFull;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return messages::kFileInUse;
        default:
            return messages::SystemErrorReason(error);
    }
}

}  // namespace tintwell::win32
