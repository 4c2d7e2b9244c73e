# Quillmoss: `make run` to watch the show, `make test` to run the tests.
BUILD := build
JOBS := 2

SANITIZE := build-sanitize

.PHONY: all deps build run test sanitize clean

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

clean:
	rm -rf $(BUILD) $(SANITIZE)
