# Quillmoss: `make run` to watch the show, `make test` to run the tests.
BUILD := build
JOBS := 2

SANITIZE := build-sanitize

FUZZ := build-fuzz
FUZZ_SECONDS := 300

.PHONY: all deps build run test sanitize fuzz bench docs clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	cd $(BUILD) && ./quillmoss

test: build sanitize
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Every unit test and a render of every millisecond of the show under
# AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMOSS_SANITIZE=ON
	cmake --build $(SANITIZE) -j$(JOBS)
	cd $(SANITIZE) && ctest --output-on-failure -j$(JOBS) -L unit

# The pictures in docs/: the contact sheet and the font sheet.
docs: build
	$(BUILD)/quillmoss-capture --sheet docs/sheet.png --scale 2
	$(BUILD)/quillmoss-fontsheet docs/font.png --scale 2

# The cost of every draw and init step, beside a plain frame copy.
bench: build
	bench/report.sh $(BUILD)/quillmoss-bench

# Fuzz the module-loading path for FUZZ_SECONDS, from a seed corpus of the
# soundtrack and short songs by the composer. Not part of `make test`.
fuzz: build
	@scripts/install-deps fuzz
	mkdir -p $(FUZZ)/corpus $(FUZZ)/findings
	clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined tests/fuzz_module.cpp \
	    $$(pkg-config --cflags --libs libmikmod) -o $(FUZZ)/fuzz_module
	cp $(BUILD)/Quillmoss.app/Contents/Resources/fif.mod $(FUZZ)/corpus/song.mod
	for n in 1 2 3; do $(BUILD)/compose --patterns $$n $(FUZZ)/corpus/short-$$n.mod; done
	cd $(FUZZ) && ./fuzz_module -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 \
	    -rss_limit_mb=4096 -artifact_prefix=findings/ corpus

clean:
	rm -rf $(BUILD) $(SANITIZE) $(FUZZ)
