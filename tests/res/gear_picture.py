"""What makes a picture the program's gear icon: a grey, shaded wheel with eight teeth and an open
round hole at its centre, on a transparent background. Works on any size from 16 px up."""

import math

TEETH = 8
# Between the roots (0.70 of the half width) and the tips (0.95) of the teeth.
TOOTH_CIRCLE = 0.83
# Inside the hub ring, outside the hole (0.25): solid all the way round.
HUB_CIRCLE = 0.5
SAMPLES = 720
# Largest difference between the channels of a grey, and least range of lightness of a shaded wheel.
MAX_TINT = 16
MIN_SHADING = 100


def _on_circle(size, fraction):
    centre = size / 2
    radius = fraction * centre
    for step in range(SAMPLES):
        angle = 2 * math.pi * step / SAMPLES
        x = min(size - 1, int(centre + radius * math.cos(angle)))
        y = min(size - 1, int(centre + radius * math.sin(angle)))
        yield x, y


def count_teeth(opaque, size):
    """Solid stretches met going once round the circle through the teeth."""
    ring = [opaque(x, y) for x, y in _on_circle(size, TOOTH_CIRCLE)]
    if all(ring):
        return 0
    return sum(1 for i, solid in enumerate(ring) if solid and not ring[i - 1])


def hub_is_solid(opaque, size):
    return all(opaque(x, y) for x, y in _on_circle(size, HUB_CIRCLE))


def hole_is_open(opaque, size):
    middle = size // 2
    return not any(opaque(x, y) for x in (middle - 1, middle) for y in (middle - 1, middle))


def corners_are_clear(opaque, size):
    last = size - 1
    return not any(opaque(x, y) for x in (0, last) for y in (0, last))


def colour_spread(colours):
    """(largest difference between the channels of one colour, lightest - darkest grey)."""
    tint = max(max(colour[:3]) - min(colour[:3]) for colour in colours)
    greys = [sum(colour[:3]) // 3 for colour in colours]
    return tint, max(greys) - min(greys)


class GearAssertions:
    """Mixin for unittest.TestCase. opaque(x, y) tells whether a pixel shows, colour(x, y) its
    (red, green, blue, ...)."""

    def assert_is_gear(self, opaque, colour, size):
        self.assertTrue(corners_are_clear(opaque, size), "transparent background")
        self.assertTrue(hole_is_open(opaque, size), "open centre hole")
        self.assertTrue(hub_is_solid(opaque, size), "solid wheel round the hole")
        self.assertEqual(count_teeth(opaque, size), TEETH, "teeth")
        shown = [colour(x, y) for y in range(size) for x in range(size) if opaque(x, y)]
        tint, shading = colour_spread(shown)
        self.assertLessEqual(tint, MAX_TINT, "grey")
        self.assertGreaterEqual(shading, MIN_SHADING, "shaded")
