// Placeholder source for a folder that has no windows yet.
