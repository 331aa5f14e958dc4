// Test helpers shared by every tier.
