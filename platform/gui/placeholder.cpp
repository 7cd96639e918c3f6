// Widgets-side platform services are added here as the windows arrive.
