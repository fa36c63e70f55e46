// The Qt view of the screen model.
