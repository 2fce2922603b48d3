#pragma once

// Where the tests find the program, the build, the demo tree, the damaged corpus and their own
// data. The build writes these into one generated file, so that no other test file depends on
// where the checkout stands (and a fresh clone reuses earlier compilations).
namespace test_paths {
extern const char* const binary;
extern const char* const buildDir;
extern const char* const demoTree;
extern const char* const damagedCorpus;
extern const char* const testData;
}  // namespace test_paths
