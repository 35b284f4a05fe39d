// Feeds arbitrary datagrams to the discovery reply parser and checks what must hold for any
// input. Half the inputs get the reply marker in front, so they reach the records.

#include "discovery/DiscoveryCodec.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> datagram(data, data + size);
    if (size > 0 && data[0] % 2 == 1)
        datagram.insert(datagram.begin() + 1, {0xFA, 0x05, 0x21, 0xEF});
    const auto record = ParseDiscoveryReply(datagram);
    if (!record)
        return 0;
    for (const std::string* text :
         {&record->productName, &record->modelCode, &record->serialNumber, &record->btName})
        if (text->size() > 255 || text->find('\0') != std::string::npos)
            std::abort();
    if (record->ipAddress.size() > 15 || record->controlPort.size() > 5 ||
        record->macAddress.size() > 17 || record->bdAddr.size() > 17)
        std::abort();
    return 0;
}
