#include "link/extra_port_line.h"

#include <algorithm>

namespace zb {

ExtraPortLine::ExtraPortLine(SerialLine& system, SerialLine& extra, int extraPort)
    : system_(system), extra_(extra), extraPort_(extraPort) {
    system_.SetListener(&relay_);
    extra_.SetListener(&relay_);
}

ExtraPortLine::~ExtraPortLine() {
    system_.SetListener(nullptr);
    extra_.SetListener(nullptr);
}

bool ExtraPortLine::Open(const LineSettings& settings, std::string* reason) {
    Close();
    current_ = settings.port == extraPort_ ? &extra_ : &system_;
    return current_->Open(settings, reason);
}

void ExtraPortLine::Close() {
    if (current_ && current_->IsOpen()) current_->Close();
}

bool ExtraPortLine::IsOpen() const { return current_ && current_->IsOpen(); }

void ExtraPortLine::SetReceiveThreshold(int n) {
    system_.SetReceiveThreshold(n);
    extra_.SetReceiveThreshold(n);
}

void ExtraPortLine::ClearBuffers() {
    if (current_) current_->ClearBuffers();
}

void ExtraPortLine::Write(const Bytes& bytes) {
    if (current_) current_->Write(bytes);
}

Bytes ExtraPortLine::ReadAll() { return current_ ? current_->ReadAll() : Bytes{}; }

void ExtraPortLine::Relay::OnReceive() {
    if (owner_.listener_) owner_.listener_->OnReceive();
}

void ExtraPortLine::Relay::OnSendDone() {
    if (owner_.listener_) owner_.listener_->OnSendDone();
}

std::vector<int> ExtraPortDirectory::ListPorts() {
    std::vector<int> ports;
    if (system_) ports = system_->ListPorts();
    std::erase(ports, extraPort_);
    ports.push_back(extraPort_);
    return ports;
}

int FreePortNumber(const std::vector<int>& ports) {
    const auto highest = std::max_element(ports.begin(), ports.end());
    return highest == ports.end() ? 1 : std::max(1, *highest + 1);
}

}  // namespace zb
