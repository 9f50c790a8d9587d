#include "ml/Packet.h"

namespace ML {

CPacket::CPacket() { SetBuffer(kDefaultSize); }

void CPacket::SetBuffer(std::uint32_t size, char* external) {
    char* data = external;
    if (external != nullptr) {
        std::vector<char>().swap(buffer_);
    } else {
        buffer_.resize(size);
        data = buffer_.data();
    }
    capacity_ = size;
    lpData = data;
    dwBufferLength = size;
    dwBytesRecorded = 0;
    dwUser = reinterpret_cast<mm::DWORD_PTR>(data);
    dwFlags = 0;
    dwOffset = 0;
}

} // namespace ML
