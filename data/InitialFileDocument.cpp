#include "data/InitialFileDocument.h"

#include "data/LibrarianFile.h"

CInitialFileDocument& CInitialFileDocument::Instance() {
    static CInitialFileDocument instance;
    return instance;
}

namespace {

bool HasItsShape(const CParameter& object) {
    const auto& blocks = object.Blocks();
    if (blocks.size() != static_cast<std::size_t>(object.GetBlockCount()))
        return false;
    for (std::size_t b = 0; b < blocks.size(); ++b)
        if (blocks[b].size() != static_cast<std::size_t>(object.GetSegmentCount(static_cast<int>(b))))
            return false;
    return true;
}

} // namespace

bool CInitialFileDocument::Load(const std::filesystem::path& path) {
    loaded_ = false;
    if (!ReadLibrarianFile(path, document_))
        return false;
    const CParameter* first = document_.Patches().At(0);
    if (!first || !HasItsShape(*first)) {
        document_.Patches().Clear();
        return false;
    }
    loaded_ = true;
    return true;
}

const CParameter* CInitialFileDocument::GetInitialObject(int /*kind*/) const {
    return loaded_ ? document_.Patches().At(0) : nullptr;
}

void CInitialFileDocument::Unload() {
    loaded_ = false;
    document_.Patches().Clear();
}
