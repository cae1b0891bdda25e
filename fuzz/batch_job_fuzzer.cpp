// Batch jobs: any bytes as a job file, read and generated as
// `pathforge generate` does, without writing a program. A refused job
// always says why.
#include <cstddef>
#include <cstdint>
#include <string>

#include "BatchJob.h"
#include "FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  pf::JobText text;
  text.fileName = L"fuzz.job";
  pf::BatchJob job;
  pf::BatchKinds kinds;
  std::wstring error;
  // The job folder lies in the scratch folder and holds no project: relative
  // project folders find no program files to load.
  const std::wstring jobFolder = pf_fuzz::ScratchFolder() + L"/jobs";
  const bool generated =
      pf::ParseJobText(std::string(reinterpret_cast<const char*>(data), size), text, error) &&
      pf::ReadBatchJob(text, jobFolder, job, error) && pf::GenerateBatchPrograms(text, job, kinds, error);
  pf_fuzz::Require(generated || !error.empty(), "a refused job has a message");
  return 0;
}
