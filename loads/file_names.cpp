// The load editor's file names.
#include "loads/file_names.hpp"

#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "solver/modelfiles/model_files.hpp"

namespace daskel {

namespace {

std::string suffixed(std::string_view base, std::string_view suffix) {
    return std::string(base) + std::string(suffix);
}

} // namespace

std::string loadCaseText(int loadCase) {
    return slab::format("0%i", loadCase);
}

std::string editorLoadCaseFile(std::string_view base, int loadCase, std::string_view suffix) {
    return std::string(base) + loadCaseText(loadCase) + std::string(suffix);
}

std::string headerFileName(int loadCase, std::string_view suffix) {
    return editorLoadCaseFile(files::kHeader, loadCase, suffix);
}

std::string elementLoadFileName(int loadCase) {
    return slab::loadCaseFileName(slab::files::kElementLoads, loadCase);
}

std::string nodeLoadFileName(int loadCase) {
    return slab::loadCaseFileName(slab::files::kNodalLoads, loadCase);
}

std::string diaryFileName(std::string_view suffix) {
    return suffixed(slab::files::kDiary, suffix);
}

std::string echoFileName(std::string_view suffix) {
    return suffixed(slab::files::kLoadEcho, suffix);
}

std::string archiveFileName(std::string_view suffix) {
    return suffixed(slab::files::kLoadArchive, suffix);
}

std::string deleteListFileName(std::string_view suffix) {
    return suffixed(files::kDeleteList, suffix);
}

std::string memoryFileName(std::string_view suffix) {
    return suffixed(files::kMemory, suffix);
}

} // namespace daskel
