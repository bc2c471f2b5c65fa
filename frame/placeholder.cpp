// The frame library is filled in by the frame screens.
