#include "platform/mm/rtmidi/AlsaSequencer.h"

#include <alsa/asoundlib.h>

#include <charconv>
#include <cstdarg>

namespace mm {

namespace {

void Silent(const char*, int, const char*, int, const char*, ...) {}

std::optional<snd_seq_addr_t> ParseAddress(const std::string& address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    int client = -1;
    int port = -1;
    const char* begin = address.data();
    const char* end = begin + address.size();
    if (std::from_chars(begin, begin + colon, client).ec != std::errc() ||
        std::from_chars(begin + colon + 1, end, port).ec != std::errc() || client < 0 || client > 255 || port < 0 ||
        port > 255)
        return std::nullopt;
    snd_seq_addr_t result;
    result.client = static_cast<unsigned char>(client);
    result.port = static_cast<unsigned char>(port);
    return result;
}

// The port's name the way RtMidi shows it.
std::string RawName(snd_seq_t* seq, const snd_seq_addr_t& address) {
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    std::string clientName;
    std::string portName;
    if (snd_seq_get_any_client_info(seq, address.client, client) == 0)
        clientName = snd_seq_client_info_get_name(client);
    if (snd_seq_get_any_port_info(seq, address.client, address.port, port) == 0)
        portName = snd_seq_port_info_get_name(port);
    return clientName + ":" + portName + " " + std::to_string(address.client) + ":" + std::to_string(address.port);
}

} // namespace

AlsaSequencer& AlsaSequencer::Instance() {
    static AlsaSequencer* sequencer = new AlsaSequencer;
    return *sequencer;
}

bool AlsaSequencer::EnsureHandle() {
    if (seq_ != nullptr)
        return true;
    if (failed_)
        return false;
    snd_lib_error_set_handler(&Silent);
    if (snd_seq_open(&seq_, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
        seq_ = nullptr;
        failed_ = true;
        return false;
    }
    return true;
}

std::optional<std::vector<std::string>> AlsaSequencer::Subscribers(const std::string& address, bool readers) {
    const std::optional<snd_seq_addr_t> root = ParseAddress(address);
    if (!root)
        return std::nullopt;
    std::lock_guard lock(mutex_);
    if (!EnsureHandle())
        return std::nullopt;
    snd_seq_query_subscribe_t* query;
    snd_seq_query_subscribe_alloca(&query);
    snd_seq_query_subscribe_set_root(query, &*root);
    snd_seq_query_subscribe_set_type(query, readers ? SND_SEQ_QUERY_SUBS_READ : SND_SEQ_QUERY_SUBS_WRITE);
    snd_seq_query_subscribe_set_index(query, 0);
    std::vector<std::string> subscribers;
    while (snd_seq_query_port_subscribers(seq_, query) >= 0) {
        subscribers.push_back(RawName(seq_, *snd_seq_query_subscribe_get_addr(query)));
        snd_seq_query_subscribe_set_index(query, snd_seq_query_subscribe_get_index(query) + 1);
    }
    return subscribers;
}

} // namespace mm
