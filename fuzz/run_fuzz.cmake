# Configures and builds the fuzzer with clang, then runs it on a copy of the
# DXF corpus: a fixed seed and number of runs (about a minute here), so that
# every run of the test explores the same inputs, bounded by SECONDS. Fails
# when the build fails or the fuzzer finds a crash (the input is kept in
# BUILD_DIR as crash-*).
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -DCMAKE_CXX_COMPILER=${CLANGXX}
                        -DCMAKE_BUILD_TYPE=RelWithDebInfo
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the fuzzer failed")
endif()
include(ProcessorCount)
ProcessorCount(jobs)
if(jobs EQUAL 0)
  set(jobs 2)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} -j ${jobs} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the fuzzer failed")
endif()
set(seeds ${BUILD_DIR}/corpus)
file(MAKE_DIRECTORY ${seeds})
file(GLOB files ${CORPUS}/*.dxf)
file(COPY ${files} DESTINATION ${seeds})
execute_process(COMMAND ${BUILD_DIR}/fuzz_dxf_reader -seed=1 -runs=${RUNS} -max_total_time=${SECONDS} -max_len=65536 -timeout=20
                        -rss_limit_mb=4096 -print_final_stats=1 ${seeds}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a failing input (see crash-* in ${BUILD_DIR})")
endif()
