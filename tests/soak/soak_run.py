"""What both soaks share: their two random streams, the driver, the record of their actions
(every one in a file, the last 100 for the report of a finding), their figures, and the
command line with the seed that replays a run."""

import argparse
import collections
import os
import random
import time

from wine_driver import Driver, DriverError, Finding


class Soak:
    def __init__(self, args, name):
        self.args, self.name = args, name
        # The plan of the run draws from one stream, the answers to what the programs show
        # from another: the same seed gives the same plan whatever came up.
        self.rng = random.Random(args.seed)
        self.answers = random.Random(args.seed + 1)
        self.driver = Driver(args.loader, args.driver, args.log)
        self.history = collections.deque(maxlen=100)
        os.makedirs(args.out, exist_ok=True)
        self.actions_file = open(f"{args.out}/{name.replace(' ', '-')}-actions.log", "w")
        self.figures = collections.Counter()
        self.started = time.monotonic()

    def log(self, text):
        line = f"{time.monotonic() - self.started:9.3f}  {text}"
        self.history.append(line)
        print(line, file=self.actions_file, flush=True)

    def minutes(self):
        return (time.monotonic() - self.started) / 60

    def on_finding(self):
        """What a finding keeps besides the last actions."""

    def stop(self):
        self.driver.close()
        self.actions_file.close()


def main(make_soak, name, options):
    """Parses the command line (the common options, then `options`: name and type, all
    needed), runs the soak, and prints its seed, any finding and its figures; the exit status."""
    parser = argparse.ArgumentParser()
    for option in ["loader", "driver", "log", "work", "out"]:
        parser.add_argument("--" + option, required=True)
    for option, kind in options:
        parser.add_argument("--" + option, type=kind, required=True)
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    if args.seed is None:
        args.seed = int.from_bytes(os.urandom(4), "little")
    print(f"{name}: seed {args.seed}", flush=True)
    soak = make_soak(args)
    status = 0
    try:
        soak.run()
    except (Finding, DriverError) as e:
        status = 1
        print("the last actions:\n" + "\n".join(soak.history))
        print(f"FINDING: {e}\nreplay with SOAK_SEED={args.seed}")
        soak.on_finding()
    finally:
        soak.stop()
    print(f"{name}: {soak.report()}")
    return status
